#pragma once

#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include <zip.h>

using ZipParts = std::vector<std::pair<QString, QByteArray>>;

// Writes the parts as a real zip file, compressed as office programs save them.
inline void WriteZipFile(const QString &path, const ZipParts &parts)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_TRUE(archive) << error;
    for (const auto &[name, bytes] : parts) {
        zip_source_t *source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        ASSERT_GE(zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8), 0);
    }
    ASSERT_EQ(zip_close(archive), 0) << zip_strerror(archive);
}

// A sheet of a workbook: its name, its part's file name, the <row> elements of its data and whether
// the workbook hides it.
struct WorkbookSheet {
    QString name;
    QString file;
    QString rows;
    bool hidden = false;
};

// What a workbook holds besides its sheets: the shared strings as their <si> elements, the content
// of its styles part (none when empty), and whether its dates count from 1904.
struct WorkbookExtras {
    QString sharedItems = {};
    QString styles = {};
    bool date1904 = false;
};

// The parts of a minimal workbook as an office program saves it, the sheets in the order given. The
// workbook's relationships are listed in the reverse order, so that a reader that follows them rather
// than the sheets' order is caught.
inline ZipParts WorkbookParts(const std::vector<WorkbookSheet> &sheets, const WorkbookExtras &extras = {})
{
    const QString relationshipType =
        QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");
    const QString contentType =
        QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.");
    ZipParts parts;
    const auto addPart = [&parts](const QString &name, const QString &root, const QString &xmlns,
                                  const QString &content) {
        parts.emplace_back(name, QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                                                R"(<%1 xmlns="%2">%3</%1>)")
                                     .arg(root, xmlns, content)
                                     .toUtf8());
    };
    const QString mainNamespace = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
    const QString packageNamespace =
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");

    QString sheetList, relations, overrides;
    for (std::size_t index = 0; index < sheets.size(); ++index) {
        const WorkbookSheet &sheet = sheets[index];
        sheetList += QStringLiteral(R"(<sheet name="%1" sheetId="%2" r:id="rId%2"%3/>)")
                         .arg(sheet.name)
                         .arg(index + 1)
                         .arg(sheet.hidden ? QStringLiteral(R"( state="hidden")") : QString());
        relations.prepend(
            QStringLiteral(R"(<Relationship Id="rId%1" Type="%2worksheet" Target="worksheets/%3"/>)")
                .arg(index + 1)
                .arg(relationshipType, sheet.file));
        overrides +=
            QStringLiteral(R"(<Override PartName="/xl/worksheets/%1" ContentType="%2worksheet+xml"/>)")
                .arg(sheet.file, contentType);
        addPart("xl/worksheets/" + sheet.file, "worksheet", mainNamespace,
                "<sheetData>" + sheet.rows + "</sheetData>");
    }
    relations +=
        QStringLiteral(R"(<Relationship Id="rId%1" Type="%2sharedStrings" Target="sharedStrings.xml"/>)")
            .arg(sheets.size() + 1)
            .arg(relationshipType);
    if (!extras.styles.isEmpty()) {
        relations += QStringLiteral(R"(<Relationship Id="rId%1" Type="%2styles" Target="styles.xml"/>)")
                         .arg(sheets.size() + 2)
                         .arg(relationshipType);
        overrides += QStringLiteral(R"(<Override PartName="/xl/styles.xml" ContentType="%1styles+xml"/>)")
                         .arg(contentType);
        addPart("xl/styles.xml", "styleSheet", mainNamespace, extras.styles);
    }
    addPart(
        "[Content_Types].xml", "Types", "http://schemas.openxmlformats.org/package/2006/content-types",
        QStringLiteral(R"(<Default Extension="rels" ContentType="application/)"
                       R"(vnd.openxmlformats-package.relationships+xml"/>)"
                       R"(<Default Extension="xml" ContentType="application/xml"/>)"
                       R"(<Override PartName="/xl/workbook.xml" ContentType="%1sheet.main+xml"/>)"
                       R"(<Override PartName="/xl/sharedStrings.xml" ContentType="%1sharedStrings+xml"/>%2)")
            .arg(contentType, overrides));
    addPart("_rels/.rels", "Relationships", packageNamespace,
            QStringLiteral(R"(<Relationship Id="rId1" Type="%1officeDocument" Target="xl/workbook.xml"/>)")
                .arg(relationshipType));
    // The relationships' namespace is declared on the sheets, where the ids are used.
    addPart("xl/workbook.xml", "workbook", mainNamespace,
            QStringLiteral(R"(%1<sheets xmlns:r="%2">%3</sheets>)")
                .arg(extras.date1904 ? R"(<workbookPr date1904="1"/>)" : "", relationshipType.chopped(1),
                     sheetList));
    addPart("xl/_rels/workbook.xml.rels", "Relationships", packageNamespace, relations);
    addPart("xl/sharedStrings.xml", "sst", mainNamespace, extras.sharedItems);
    return parts;
}
