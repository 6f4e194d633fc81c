#pragma once

#include <QSize>

class QFileDialog;

// The least size, in the dialog's own font, at which the widget-based file dialog shows its side
// bar and the name, size, type and date columns of its file list without cutting them short.
QSize readableFileDialogSize(const QFileDialog &dialog);

// Enlarges the dialog to at least readableFileDialogSize(), plus extraHeight for controls added
// below the file list, and widens its side bar and columns to fit Japanese place names, file sizes
// and dates. Call once its controls are all in place and before it is first shown.
void sizeFileDialogForReading(QFileDialog &dialog, int extraHeight = 0);
