#include "model/sheet/SheetTemplateReader.h"

#include "model/sheet/KnownPaperSizes.h"
#include "model/sheet/SheetXmlRoot.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <array>
#include <cmath>

namespace {

constexpr double kMostLengthMm = 100000;

struct Unit {
    const char *name;
    double mm;
};
constexpr std::array kUnits = {Unit{"pt", 25.4 / 72}, Unit{"in", 25.4}, Unit{"mm", 1}, Unit{"cm", 10},
                               Unit{"pc", 25.4 / 6}};

// Halves round up: 0.75 in is 190.5 tenths, which the product of the binary fractions puts a
// hair below the half.
std::int32_t tenthMm(double mm)
{
    return std::int32_t(std::lround(mm * 10 + 1e-6));
}

// Pitches in points or inches may round to a tenth below the label's own size; cells that overlap
// by more are not a grid of labels and stay negative, to be counted as broken.
std::int32_t gap(std::int32_t pitchTenthMm, std::int32_t sizeTenthMm)
{
    const std::int32_t gapTenthMm = pitchTenthMm - sizeTenthMm;
    return gapTenthMm < 0 && gapTenthMm >= -2 ? 0 : gapTenthMm;
}

class TemplateFile {
public:
    TemplateFile(QByteArrayView bytes, const QString &source) : xml_(bytes.toByteArray()), source_(source) {}

    SheetReadResult Read()
    {
        if (!ReadSheetXmlRoot(xml_, u"Glabels-templates"))
            return RefusedSheetFile(
                QCoreApplication::translate("SheetLibrary", "シートテンプレートの XML ではありません"));
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"Template") {
                xml_.skipCurrentElement();
                continue;
            }
            if (++templates_ > kMostSheetsInFile)
                return RefusedSheetFile(
                    QCoreApplication::translate("SheetLibrary", "テンプレートが %1 を超えています")
                        .arg(kMostSheetsInFile));
            readTemplate();
        }
        if (xml_.hasError())
            return RefusedSheetFile(xml_.errorString());
        return std::move(result_);
    }

private:
    QString attribute(const char *name) const
    {
        return xml_.attributes().value(QLatin1String(name)).toString();
    }

    std::optional<double> length(const char *name) const
    {
        return TemplateLengthMm(xml_.attributes().value(QLatin1String(name)));
    }

    void readTemplate()
    {
        LibrarySheet sheet;
        sheet.Maker = attribute("brand");
        sheet.Product = attribute("part");
        sheet.Description = attribute("description");
        if (sheet.Description.isEmpty())
            sheet.Description = attribute("_description");
        sheet.Source = source_;
        const QString equiv = attribute("equiv");
        if (!equiv.isEmpty()) {
            xml_.skipCurrentElement();
            addAlias(std::move(sheet), equiv);
            return;
        }
        if (!readPaper(sheet)) {
            xml_.skipCurrentElement();
            ++result_.Broken;
            return;
        }
        readTemplateBody(sheet);
    }

    bool readPaper(LibrarySheet &sheet) const
    {
        sheet.Paper = attribute("size");
        if (sheet.Paper.compare(QStringLiteral("Other"), Qt::CaseInsensitive) != 0) {
            sheet.PaperSizeMm = KnownPaperSizeMm(sheet.Paper);
            return true;
        }
        const std::optional<double> width = length("width");
        const std::optional<double> height = length("height");
        if (!width || !height)
            return false;
        sheet.PaperSizeMm = {*width, *height};
        sheet.Paper = QStringLiteral("%1×%2mm").arg(std::round(*width)).arg(std::round(*height));
        return true;
    }

    enum class Label { None, Rectangle, Other, Broken };

    void readTemplateBody(LibrarySheet &sheet)
    {
        bool businessCard = false;
        Label label = Label::None;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"Meta") {
                businessCard = businessCard || attribute("category") == u"business-card";
                xml_.skipCurrentElement();
            } else if (xml_.name() == u"Label-rectangle" && label == Label::None) {
                label = readRectangle(sheet);
            } else {
                if (xml_.name().startsWith(u"Label-"))
                    label = Label::Other;
                xml_.skipCurrentElement();
            }
        }
        if (label == Label::Other) {
            ++result_.LeftOut;
            leftOutParts_.insert(key(sheet.Maker, sheet.Product));
        } else if (label != Label::Rectangle)
            ++result_.Broken;
        else
            add(std::move(sheet), businessCard);
    }

    // The label's size and its layout; labels laid out in several blocks are not one grid of cells
    // and are left out as shaped ones are.
    Label readRectangle(LibrarySheet &sheet)
    {
        const std::optional<double> width = length("width");
        const std::optional<double> height = length("height");
        int layouts = 0;
        bool sound = width && height;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"Layout" && ++layouts == 1 && sound)
                sound = readLayout(sheet, *width, *height);
            xml_.skipCurrentElement();
        }
        if (layouts > 1)
            return Label::Other;
        return sound && layouts == 1 ? Label::Rectangle : Label::Broken;
    }

    bool readLayout(LibrarySheet &sheet, double widthMm, double heightMm) const
    {
        bool columnsRead = false;
        bool rowsRead = false;
        const int columns = xml_.attributes().value(QLatin1String("nx")).toInt(&columnsRead);
        const int rows = xml_.attributes().value(QLatin1String("ny")).toInt(&rowsRead);
        const std::optional<double> left = length("x0");
        const std::optional<double> top = length("y0");
        const std::optional<double> pitchX = columns > 1 ? length("dx") : std::optional<double>(widthMm);
        const std::optional<double> pitchY = rows > 1 ? length("dy") : std::optional<double>(heightMm);
        if (!columnsRead || !rowsRead || !left || !top || !pitchX || !pitchY)
            return false;
        TCardDef &layout = sheet.Layout;
        layout.CardSizeX = tenthMm(widthMm);
        layout.CardSizeY = tenthMm(heightMm);
        layout.Columns = columns;
        layout.Lines = rows;
        layout.LeftMargin = tenthMm(*left);
        layout.TopMargin = tenthMm(*top);
        layout.ColumnSpace = gap(tenthMm(*pitchX), layout.CardSizeX);
        layout.LineSpace = gap(tenthMm(*pitchY), layout.CardSizeY);
        return true;
    }

    void add(LibrarySheet &&sheet, bool businessCard)
    {
        FinishLibrarySheet(sheet, businessCard);
        if (sheet.Product.isEmpty() || !LibrarySheetIsSound(sheet)) {
            ++result_.Broken;
            return;
        }
        byPart_.insert(key(sheet.Maker, sheet.Product), result_.Sheets.size());
        result_.Sheets.push_back(std::move(sheet));
    }

    // An alias is the named product of the same brand under another product number, listed under
    // its own; one whose original this file does not hold is broken.
    void addAlias(LibrarySheet &&alias, const QString &equiv)
    {
        const auto original = byPart_.constFind(key(alias.Maker, equiv));
        if (leftOutParts_.contains(key(alias.Maker, equiv))) {
            ++result_.LeftOut;
            return;
        }
        if (original == byPart_.cend() || alias.Product.isEmpty()) {
            ++result_.Broken;
            return;
        }
        const LibrarySheet &same = result_.Sheets[*original];
        alias.Paper = same.Paper;
        alias.PaperSizeMm = same.PaperSizeMm;
        alias.Layout = same.Layout;
        if (alias.Description.isEmpty())
            alias.Description = same.Description;
        FinishLibrarySheet(alias, same.BusinessCard);
        result_.Sheets.push_back(std::move(alias));
    }

    static QString key(const QString &maker, const QString &product) { return maker + QChar(0) + product; }

    QXmlStreamReader xml_;
    QString source_;
    SheetReadResult result_;
    QHash<QString, std::size_t> byPart_;
    QSet<QString> leftOutParts_; // aliases of round and shaped labels are left out with them
    int templates_ = 0;
};

} // namespace

std::optional<double> TemplateLengthMm(QStringView text)
{
    text = text.trimmed();
    double perUnit = kUnits[0].mm;
    for (const Unit &unit : kUnits) {
        if (text.endsWith(QLatin1String(unit.name))) {
            perUnit = unit.mm;
            text.chop(2);
            break;
        }
    }
    bool read = false;
    const double value = text.trimmed().toDouble(&read) * perUnit;
    if (!read || !std::isfinite(value) || std::abs(value) > kMostLengthMm)
        return std::nullopt;
    return value;
}

SheetReadResult ReadSheetTemplates(QByteArrayView bytes, const QString &source)
{
    return TemplateFile(bytes, source).Read();
}
