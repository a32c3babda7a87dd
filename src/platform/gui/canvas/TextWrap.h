#pragma once
// Greedy word wrap shared by the canvas's DrawText and the anti-aliased layer's strings.

#include <QString>
#include <QStringList>

namespace qx {

// Breaks a line at spaces so that each part measures at most width; a word wider than the
// width stands alone on its line. measure(text) gives a text's width.
template <typename Measure>
QStringList wrapWords(const QString& line, double width, Measure measure)
{
    QStringList lines;
    QString current;
    for (const QString& word : line.split(' ')) {
        const QString candidate = current.isEmpty() ? word : current + ' ' + word;
        if (!current.isEmpty() && measure(candidate) > width) {
            lines << current;
            current = word;
        } else {
            current = candidate;
        }
    }
    lines << current;
    return lines;
}

} // namespace qx
