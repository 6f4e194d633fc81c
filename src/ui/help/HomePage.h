#pragma once

#include <QString>

// The author's home page, opened from the Help menu and from the about box.
inline const QString kHomePageAddress = QStringLiteral("https://vellumia.example/");
