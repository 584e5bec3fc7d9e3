#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

// A report's page layout as data, in millimetres on an A4 portrait page, for the page painter to draw and the
// pagination to count on: bands of texts and rules, and one detail block per row of its row source.
struct ReportText {
    enum class Font { Normal, Bold, Small, Heading };
    QRectF box; // within its band
    QString text;
    Qt::Alignment align = Qt::AlignLeft;
    Font font = Font::Normal;
};

struct ReportBand {
    double height = 0;
    QList<ReportText> texts;
    QList<QLineF> rules;

    bool isEmpty() const { return height <= 0; }
    // Appends a text on one line of the band, the band growing to hold it.
    ReportBand& add(int line, double left, double width, const QString& text, Qt::Alignment align = Qt::AlignLeft,
        ReportText::Font font = ReportText::Font::Normal);
    ReportBand& rule(int line);
};

// A value of the detail block: the row's value at that index, in its place.
struct ReportCell {
    int value = 0;
    QRectF box;
    Qt::Alignment align = Qt::AlignLeft;
};

struct ReportDefinition {
    static constexpr double PageWidth = 210;
    static constexpr double PageHeight = 297;
    static constexpr double Left = 10;
    static constexpr double Right = 200;
    static constexpr double Top = 12;
    static constexpr double Bottom = 280;
    static constexpr double LineHeight = 5;

    QString formName; // TfmTong1Data and its twins
    QString documentName; // the print job's name: the report title
    ReportBand pageHeader; // on every page
    ReportBand titleBand; // once, at the start of the first page
    ReportBand columnHeader; // on every page when the details are printed
    double detailHeight = 0;
    QList<ReportCell> detail;
    bool printsDetails = true;
    ReportBand endBand; // "[끝]" after the last row
    // The page number: the format with %1, in its box on the page.
    QString pageNumberFormat;
    QRectF pageNumberBox;
    Qt::Alignment pageNumberAlign = Qt::AlignHCenter;

    static QString endMark() { return QStringLiteral("[끝]"); }
    // "[끝]" at the right, one line.
    static ReportBand endMarkBand();
    // The page number centred under the body.
    void setFooter(const QString& format);
};
