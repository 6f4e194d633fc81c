#pragma once

#include "model/sheet/SheetReadResult.h"

#include <QByteArrayView>
#include <QString>

// Reads the program's own list of card stock (CardStock.csv, UTF-8): one product a line, "maker,
// product number,name,paper,card width,card height,columns,rows,left margin,top margin,column gap,
// row gap" with lengths in millimetres; lines starting with '#' and empty lines are notes. A line
// with other fields or absurd numbers is broken.
SheetReadResult ReadCardStockList(QByteArrayView bytes, const QString &source);
