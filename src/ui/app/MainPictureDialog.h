#pragma once

#include <QString>

class QWidget;
class TVkOpenPictureDialog;

// The main window's one picture dialog, shared by adding a picture, replacing one and choosing the
// background: created on first use as a child of the window, configured with the window's title,
// filter and teal preview background, and kept with the window.
TVkOpenPictureDialog &MainPictureDialog(QWidget &frmMain);

// Runs the main window's picture dialog in folder with an empty file name; the chosen file, or an
// empty text when the user cancelled.
QString ChooseMainPictureFile(QWidget &frmMain, const QString &folder);
