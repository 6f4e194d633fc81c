#pragma once

#include <QString>
#include <QStringView>

// How a cell's number format shows a number in a merged value. Dates and times show as a Japanese
// office writes them, whatever the format's own layout: 2024/4/1, 9:30 (9:30:15 when the format
// shows seconds), 2024/4/1 9:30. A format made only of zero placeholders and literal characters
// (00000, 000-0000) pads an integer as the format does. Every other format shows the number as the
// General format does.
class XlsxNumberFormat {
public:
    // Serial numbers count days from the start of 1900, or from 1904-01-01 in workbooks saved so.
    enum class DateSystem { From1900, From1904 };

    // The General format.
    XlsxNumberFormat() = default;
    // A format that a workbook refers to by its number alone, as the Japanese locale shows it.
    static XlsxNumberFormat BuiltIn(int id);
    // A format code as a workbook stores it, such as yyyy"年"m"月"d"日" or 000-0000.
    static XlsxNumberFormat FromCode(QStringView code);

    QString Text(double value, DateSystem system) const;
    // A number as the General format shows it: integers without a decimal point, and no more than
    // the 15 significant digits Excel computes with, so that 0.1+0.2 shows as 0.3.
    static QString GeneralText(double value);

private:
    enum class Kind { General, Date, Time, DateTime, Padded };

    QString dateTimeText(double serial, DateSystem system) const;
    QString timeText(qint64 seconds) const;
    QString paddedText(double value) const;

    Kind kind_ = Kind::General;
    bool showsSeconds_ = false;
    // An elapsed time ([h]:mm) counts its hours past a day rather than showing the time of day.
    bool elapsed_ = false;
    // A padded format's literal characters, with kPlaceholder for each digit.
    QString pattern_;
};
