#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <vector>

// The words of a PDF file as poppler reads them back (pdftotext -bbox), positions in points from the
// page's top-left corner.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

inline std::vector<PdfWord> pdfWords(const QString& file) {
    QProcess p;
    p.start("pdftotext", {"-bbox", file, "-"});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">(.*?)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"")
            .replace("&apos;", "'")
            .replace("&amp;", "&");
        words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    }
    return words;
}

// The first word with the text at or after the given top (points); null when there is none.
inline const PdfWord* findWord(const std::vector<PdfWord>& words, const QString& text, double fromY = -1) {
    for (const PdfWord& w : words)
        if (w.text == text && w.yMin >= fromY) return &w;
    return nullptr;
}
