#include "model/sheet/LabelsListReader.h"

#include "model/sheet/KnownPaperSizes.h"
#include "model/sheet/SheetXmlRoot.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum Measure {
    kKind,
    kPitchX,
    kPitchY,
    kWidth,
    kHeight,
    kLeft,
    kTop,
    kColumns,
    kRows,
    kPaperWidth,
    kPaperHeight
};
constexpr int kMeasureWithoutPaper = kPaperWidth;
constexpr int kMeasureWithPaper = kPaperHeight + 1;

std::int32_t tenthMm(std::int64_t hundredthMm)
{
    return std::int32_t(std::clamp<std::int64_t>((hundredthMm + 5) / 10, -1, 1000000));
}

// A4 and US Letter by their size, any other paper by its millimetres.
void namePaper(LibrarySheet &sheet, std::int64_t widthHundredthMm, std::int64_t heightHundredthMm)
{
    sheet.PaperSizeMm = QSizeF(widthHundredthMm / 100.0, heightHundredthMm / 100.0);
    for (const char *name : {"A4", "US-Letter", "A5", "A3", "B5", "JIS-B5"}) {
        const QSizeF known = KnownPaperSizeMm(QLatin1String(name));
        if (std::abs(known.width() - sheet.PaperSizeMm.width()) < 0.5 &&
            std::abs(known.height() - sheet.PaperSizeMm.height()) < 0.5) {
            sheet.Paper = QLatin1String(name);
            return;
        }
    }
    sheet.Paper = QStringLiteral("%1×%2mm")
                      .arg(std::round(sheet.PaperSizeMm.width()))
                      .arg(std::round(sheet.PaperSizeMm.height()));
}

class LabelsFile {
public:
    LabelsFile(QByteArrayView bytes, const QString &source) : xml_(bytes.toByteArray()), source_(source) {}

    SheetReadResult Read()
    {
        if (!ReadSheetXmlRoot(xml_, u"manufacturers"))
            return RefusedSheetFile(
                QCoreApplication::translate("SheetLibrary", "ラベルの一覧の XML ではありません"));
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"manufacturer") {
                xml_.skipCurrentElement();
                continue;
            }
            const QString maker = xml_.attributes().value(QLatin1String("name")).toString();
            while (xml_.readNextStartElement()) {
                if (xml_.name() == u"label" && ++labels_ > kMostSheetsInFile)
                    return RefusedSheetFile(
                        QCoreApplication::translate("SheetLibrary", "ラベルが %1 を超えています")
                            .arg(kMostSheetsInFile));
                if (xml_.name() == u"label")
                    readLabel(maker);
                else
                    xml_.skipCurrentElement();
            }
        }
        if (xml_.hasError())
            return RefusedSheetFile(xml_.errorString());
        return std::move(result_);
    }

private:
    bool readRoot()
    {
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::DTD:
                if (!xml_.entityDeclarations().isEmpty())
                    return false;
                break;
            case QXmlStreamReader::StartElement: return xml_.name() == u"manufacturers";
            default: break;
            }
        }
        return false;
    }

    void readLabel(const QString &maker)
    {
        LibrarySheet sheet;
        sheet.Maker = maker;
        sheet.Source = source_;
        QString measure;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"id")
                sheet.Product = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            else if (xml_.name() == u"name")
                sheet.Description = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            else if (xml_.name() == u"measure")
                measure = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            else
                xml_.skipCurrentElement();
        }
        // Names often repeat the product number in front.
        if (!sheet.Product.isEmpty() && sheet.Description.startsWith(sheet.Product))
            sheet.Description = sheet.Description.mid(sheet.Product.size()).trimmed();
        add(std::move(sheet), measure);
    }

    void add(LibrarySheet &&sheet, const QString &measure)
    {
        const QStringList fields = measure.split(QLatin1Char(';'));
        if (fields.value(kKind) == u"C") {
            ++result_.LeftOut;
            return;
        }
        std::array<std::int64_t, kMeasureWithPaper> values{};
        bool sound = fields.value(kKind) == u"S" &&
                     (fields.size() == kMeasureWithoutPaper || fields.size() == kMeasureWithPaper);
        for (int i = 1; sound && i < fields.size(); ++i)
            values[std::size_t(i)] = fields[i].trimmed().toLongLong(&sound);
        if (sound && fields.size() == kMeasureWithPaper)
            namePaper(sheet, values[kPaperWidth], values[kPaperHeight]);
        TCardDef &layout = sheet.Layout;
        layout.CardSizeX = tenthMm(values[kWidth]);
        layout.CardSizeY = tenthMm(values[kHeight]);
        layout.Columns = int(std::clamp<std::int64_t>(values[kColumns], 0, 1000));
        layout.Lines = int(std::clamp<std::int64_t>(values[kRows], 0, 1000));
        layout.LeftMargin = tenthMm(values[kLeft]);
        layout.TopMargin = tenthMm(values[kTop]);
        layout.ColumnSpace = layout.Columns > 1 ? tenthMm(values[kPitchX] - values[kWidth]) : 0;
        layout.LineSpace = layout.Lines > 1 ? tenthMm(values[kPitchY] - values[kHeight]) : 0;
        FinishLibrarySheet(sheet, false);
        if (!sound || sheet.Product.isEmpty() || !LibrarySheetIsSound(sheet)) {
            ++result_.Broken;
            return;
        }
        result_.Sheets.push_back(std::move(sheet));
    }

    QXmlStreamReader xml_;
    QString source_;
    SheetReadResult result_;
    int labels_ = 0;
};

} // namespace

SheetReadResult ReadLabelsList(QByteArrayView bytes, const QString &source)
{
    return LabelsFile(bytes, source).Read();
}
