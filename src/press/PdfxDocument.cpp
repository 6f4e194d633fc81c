#include "press/PdfxDocument.h"

#include "model/platform/ProgramVersion.h"
#include "model/platform/VkError.h"
#include "press/CmykProfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QUuid>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <set>
#include <sstream>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;

VkError refused(const char *reason)
{
    return VkError(QCoreApplication::translate("PdfxDocument", reason));
}

std::string number(double value)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text.precision(4);
    text << std::fixed << value;
    return text.str();
}

// Rewrites a content stream with every RGB colour in CMYK: "r g b rg" becomes "c m y k k", and the
// three components given to a colour space that is RGB (Qt's own names, which become CMYK with the
// resources) become four.
class CmykContent : public Handle::ParserCallbacks {
public:
    explicit CmykContent(const CmykProfile &profile) : profile_(profile) {}

    void handleObject(Handle object, size_t, size_t) override
    {
        if (!object.isOperator()) {
            operands_.push_back(object);
            return;
        }
        const std::string op = object.getOperatorValue();
        static const std::set<std::string> kColorOps{"rg", "RG", "sc", "scn", "SC", "SCN"};
        if (kColorOps.count(op) && operands_.size() >= 3 && threeNumbersFirst()) {
            const auto cmyk = profile_.Convert(operands_[0].getNumericValue(), operands_[1].getNumericValue(),
                                               operands_[2].getNumericValue());
            for (const double component : cmyk)
                out_ += number(component) + ' ';
            for (size_t i = 3; i < operands_.size(); ++i)
                out_ += operands_[i].unparse() + ' ';
            out_ += op == "rg" ? "k" : op == "RG" ? "K" : op;
        } else {
            for (Handle &operand : operands_)
                out_ += operand.unparse() + ' ';
            out_ += op;
        }
        out_ += '\n';
        operands_.clear();
    }
    void handleEOF() override {}

    const std::string &Text() const { return out_; }

private:
    bool threeNumbersFirst()
    {
        return operands_[0].isNumber() && operands_[1].isNumber() && operands_[2].isNumber() &&
               (operands_.size() == 3 || !operands_[3].isNumber());
    }

    const CmykProfile &profile_;
    std::vector<Handle> operands_;
    std::string out_;
};

std::string cmykContent(Handle contents, const CmykProfile &profile)
{
    CmykContent rewritten(profile);
    Handle::parseContentStream(contents, &rewritten);
    return rewritten.Text();
}

bool isName(Handle object, const char *name)
{
    return object.isName() && object.getName() == name;
}

// The colour spaces a resource dictionary names: RGB ones, and patterns over RGB, become CMYK.
void cmykColorSpaces(Handle spaces)
{
    if (!spaces.isDictionary())
        return;
    for (auto &[key, space] : spaces.getDictAsMap()) {
        if (isName(space, "/DeviceRGB"))
            spaces.replaceKey(key, Handle::newName("/DeviceCMYK"));
        else if (space.isArray() && space.getArrayNItems() == 2 &&
                 isName(space.getArrayItem(0), "/Pattern") && isName(space.getArrayItem(1), "/DeviceRGB"))
            space.setArrayItem(1, Handle::newName("/DeviceCMYK"));
    }
}

void cmykImage(Handle image, const CmykProfile &profile)
{
    Handle dict = image.getDict();
    if (!isName(dict.getKey("/ColorSpace"), "/DeviceRGB"))
        return;
    const long long width = dict.getKey("/Width").getIntValue();
    const long long height = dict.getKey("/Height").getIntValue();
    const std::shared_ptr<Buffer> rgb = image.getStreamData(qpdf_dl_all);
    if (dict.getKey("/BitsPerComponent").getIntValue() != 8 || width <= 0 || height <= 0 ||
        rgb->getSize() < size_t(width * height * 3))
        throw refused(QT_TRANSLATE_NOOP("PdfxDocument", "RGB の画像を CMYK に変換できません"));
    std::string cmyk(size_t(width * height * 4), '\0');
    for (long long row = 0; row < height; ++row)
        profile.ConvertPixels(rgb->getBuffer() + row * width * 3,
                              reinterpret_cast<unsigned char *>(cmyk.data()) + row * width * 4, int(width));
    image.replaceStreamData(cmyk, Handle::newNull(), Handle::newNull());
    dict.replaceKey("/ColorSpace", Handle::newName("/DeviceCMYK"));
    dict.removeKey("/Decode");
}

bool transparent(Handle object)
{
    if (!object.isDictionary())
        return false;
    const auto below1 = [&object](const char *key) {
        return object.hasKey(key) && object.getKey(key).isNumber() &&
               object.getKey(key).getNumericValue() < 1;
    };
    Handle mask = object.getKey("/SMask");
    Handle blend = object.getKey("/BM");
    return below1("/CA") || below1("/ca") || (mask.isDictionary() || mask.isStream()) ||
           (blend.isName() && blend.getName() != "/Normal" && blend.getName() != "/Compatible");
}

bool namesRgb(Handle object, std::set<QPDFObjGen> &seen)
{
    if (object.isIndirect() && !seen.insert(object.getObjGen()).second)
        return false;
    if (object.isName())
        return object.getName() == "/DeviceRGB" || object.getName() == "/CalRGB";
    if (object.isStream())
        return namesRgb(object.getDict(), seen);
    if (object.isArray()) {
        for (Handle &item : object.getArrayAsVector())
            if (namesRgb(item, seen))
                return true;
    }
    if (object.isDictionary()) {
        if (object.getKey("/N").isInteger() && object.getKey("/N").getIntValue() == 3 &&
            object.hasKey("/Alternate"))
            return true;
        for (auto &[key, value] : object.getDictAsMap())
            if (key != "/Parent" && namesRgb(value, seen))
                return true;
    }
    return false;
}

std::string pdfDate(const QDateTime &when)
{
    return "D:" + when.toString(QStringLiteral("yyyyMMddHHmmss")).toStdString() + "Z";
}

std::string xmpText(const QString &text)
{
    return text.toHtmlEscaped().toStdString();
}

std::string xmp(const PdfxPages &pages, PdfxLevel level, const QDateTime &when)
{
    const std::string date = when.toString(Qt::ISODate).toStdString();
    const std::string id = "uuid:" + QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    const std::string version = level == PdfxLevel::X4 ? "PDF/X-4" : "PDF/X-1:2001";
    std::string packet =
        "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
        " xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\"\n"
        " xmlns:xmpMM=\"http://ns.adobe.com/xap/1.0/mm/\"\n"
        " xmlns:pdfxid=\"http://www.npes.org/pdfx/ns/id/\" xmlns:pdfx=\"http://ns.adobe.com/pdfx/1.3/\">\n";
    packet += "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + xmpText(pages.Title) +
              "</rdf:li></rdf:Alt></dc:title>\n";
    packet +=
        "<xmp:CreateDate>" + date + "</xmp:CreateDate>\n<xmp:ModifyDate>" + date + "</xmp:ModifyDate>\n";
    packet += "<xmp:MetadataDate>" + date + "</xmp:MetadataDate>\n";
    packet += "<xmp:CreatorTool>Vellumia " + kProgramVersion.toStdString() + "</xmp:CreatorTool>\n";
    packet += "<pdf:Producer>Vellumia " + kProgramVersion.toStdString() + "</pdf:Producer>\n";
    packet += "<pdf:Trapped>False</pdf:Trapped>\n";
    packet += "<xmpMM:DocumentID>" + id + "</xmpMM:DocumentID>\n<xmpMM:InstanceID>" + id +
              "</xmpMM:InstanceID>\n<xmpMM:VersionID>1</xmpMM:VersionID>\n"
              "<xmpMM:RenditionClass>default</xmpMM:RenditionClass>\n";
    packet += "<pdfxid:GTS_PDFXVersion>" + version + "</pdfxid:GTS_PDFXVersion>\n";
    if (level == PdfxLevel::X1a)
        packet += "<pdfx:GTS_PDFXConformance>PDF/X-1a:2001</pdfx:GTS_PDFXConformance>\n";
    packet += "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
    return packet;
}

Handle pdfString(const QString &text)
{
    return Handle::newUnicodeString(text.toStdString());
}

void describeDocument(QPDF &pdf, const CmykProfile &profile, PdfxLevel level, const PdfxPages &pages)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Handle info = pdf.makeIndirectObject(Handle::newDictionary());
    info.replaceKey("/Title", pdfString(pages.Title));
    info.replaceKey("/Creator", pdfString(QStringLiteral("Vellumia ") + kProgramVersion));
    info.replaceKey("/Producer", pdfString(QStringLiteral("Vellumia ") + kProgramVersion));
    info.replaceKey("/CreationDate", Handle::newString(pdfDate(now)));
    info.replaceKey("/ModDate", Handle::newString(pdfDate(now)));
    info.replaceKey("/Trapped", Handle::newName("/False"));
    info.replaceKey("/GTS_PDFXVersion",
                    Handle::newString(level == PdfxLevel::X4 ? "PDF/X-4" : "PDF/X-1:2001"));
    if (level == PdfxLevel::X1a)
        info.replaceKey("/GTS_PDFXConformance", Handle::newString("PDF/X-1a:2001"));
    pdf.getTrailer().replaceKey("/Info", info);

    Handle catalog = pdf.getRoot();
    Handle metadata = Handle::newStream(&pdf, xmp(pages, level, now));
    metadata.getDict().replaceKey("/Type", Handle::newName("/Metadata"));
    metadata.getDict().replaceKey("/Subtype", Handle::newName("/XML"));
    catalog.replaceKey("/Metadata", metadata);

    Handle iccStream = Handle::newStream(&pdf, profile.Bytes().toStdString());
    iccStream.getDict().replaceKey("/N", Handle::newInteger(4));
    Handle intent = Handle::newDictionary();
    intent.replaceKey("/Type", Handle::newName("/OutputIntent"));
    intent.replaceKey("/S", Handle::newName("/GTS_PDFX"));
    intent.replaceKey("/OutputConditionIdentifier", pdfString(profile.Name()));
    intent.replaceKey("/OutputCondition", pdfString(profile.Name()));
    intent.replaceKey("/Info", pdfString(profile.Name()));
    intent.replaceKey("/RegistryName", Handle::newString("http://www.color.org"));
    intent.replaceKey("/DestOutputProfile", iccStream);
    catalog.replaceKey("/OutputIntents", Handle::newArray({pdf.makeIndirectObject(intent)}));
}

Handle registrationColor()
{
    Handle tint = Handle::newDictionary();
    tint.replaceKey("/FunctionType", Handle::newInteger(2));
    tint.replaceKey("/Domain", Handle::newArray({Handle::newInteger(0), Handle::newInteger(1)}));
    tint.replaceKey("/C0", Handle::newArray(std::vector<Handle>(4, Handle::newInteger(0))));
    tint.replaceKey("/C1", Handle::newArray(std::vector<Handle>(4, Handle::newInteger(1))));
    tint.replaceKey("/N", Handle::newInteger(1));
    return Handle::newArray(
        {Handle::newName("/Separation"), Handle::newName("/All"), Handle::newName("/DeviceCMYK"), tint});
}

Handle rectangle(const QRectF &box)
{
    return Handle::newFromRectangle(Handle::Rectangle(box.left(), box.top(), box.right(), box.bottom()));
}

void finishPage(QPDF &pdf, Handle page, const CmykProfile &profile, const PdfxPages &pages)
{
    const std::string content =
        "q\n" + cmykContent(page.getKey("/Contents"), profile) + "Q\n" + pages.Marks.toStdString();
    page.replaceKey("/Contents", Handle::newStream(&pdf, content));
    page.replaceKey("/TrimBox", rectangle(pages.Trim));
    page.replaceKey("/BleedBox", rectangle(pages.Bleed));
    Handle resources = page.getKey("/Resources");
    if (!resources.isDictionary()) {
        resources = Handle::newDictionary();
        page.replaceKey("/Resources", resources);
    }
    if (!resources.getKey("/ColorSpace").isDictionary())
        resources.replaceKey("/ColorSpace", Handle::newDictionary());
    resources.getKey("/ColorSpace").replaceKey(kRegistrationColor, registrationColor());
}

} // namespace

QByteArray MakePdfx(const QByteArray &drawn, const CmykProfile &profile, PdfxLevel level,
                    const PdfxPages &pages)
{
    try {
        QPDF pdf;
        pdf.processMemoryFile("drawing", drawn.constData(), size_t(drawn.size()));
        for (Handle object : pdf.getAllObjects()) {
            Handle dict = object.isStream() ? object.getDict() : object;
            if (!dict.isDictionary())
                continue;
            cmykColorSpaces(dict.getKey("/ColorSpace"));
            // A transparency group blends in the colour space it names.
            if (isName(dict.getKey("/CS"), "/DeviceRGB"))
                dict.replaceKey("/CS", Handle::newName("/DeviceCMYK"));
            if (object.isStream() && isName(dict.getKey("/Subtype"), "/Image"))
                cmykImage(object, profile);
            else if (object.isStream() &&
                     (isName(dict.getKey("/Subtype"), "/Form") || dict.getKey("/PatternType").isInteger()))
                object.replaceStreamData(cmykContent(object, profile), Handle::newNull(), Handle::newNull());
            if (level == PdfxLevel::X1a && transparent(dict))
                throw refused(QT_TRANSLATE_NOOP(
                    "PdfxDocument", "透明な部分があるため PDF/X-1a にできません。PDF/X-4 を選んでください"));
        }
        for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            if (level == PdfxLevel::X1a)
                page.getObjectHandle().removeKey("/Group");
            finishPage(pdf, page.getObjectHandle(), profile, pages);
        }
        describeDocument(pdf, profile, level, pages);
        std::set<QPDFObjGen> seen;
        for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages())
            if (namesRgb(page.getObjectHandle(), seen))
                throw refused(QT_TRANSLATE_NOOP("PdfxDocument", "RGB の色を CMYK に変換できませんでした"));
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setObjectStreamMode(qpdf_o_disable);
        writer.setStreamDataMode(qpdf_s_compress);
        writer.forcePDFVersion(level == PdfxLevel::X4 ? "1.6" : "1.3");
        writer.write();
        const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(bytes->getBuffer()), qsizetype(bytes->getSize()));
    } catch (const QPDFExc &error) {
        throw VkError(QCoreApplication::translate("PdfxDocument", "PDF/X を作れません: %1")
                          .arg(QString::fromStdString(error.what())));
    }
}
