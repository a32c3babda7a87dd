#include "ProtocolPages.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <vector>

namespace qx::art {

namespace {

// One table of the document: a title bar, then rows of cells; the first row is the heading
// row, the first column the row names. A note line may follow the table.
struct Table
{
    QString title;
    std::vector<std::vector<QString>> rows;
    std::vector<int> widths; // column widths in pixels, summing to the page's inner width
    QString note;
};

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

std::vector<int> evenColumns(int first, int count, int total)
{
    std::vector<int> w{first};
    const int rest = total - first;
    for (int i = 0; i < count; ++i)
        w.push_back(rest / count + (i < rest % count ? 1 : 0));
    return w;
}

constexpr int kInner = 626; // the page is 630 wide with a 2-pixel frame

Table table(int page, bool chinese)
{
    switch (page) {
    case 1:
        return {s("1  Command frame: controller \u2192 processor"),
                {{s("Byte"), s("0"), s("1"), s("2"), s("3"), s("4"), s("5"), s("6 \u2026"), s("n-3"), s("n-2"),
                  s("n-1")},
                 {s("Value"), s("0x10"), s("0x02"), s("0x00"), s("ID"), s("L"), s("CMD"), s("DATA"), s("0x10"),
                  s("0x03"), s("XOR")},
                 {s("Meaning"), s("DLE"), s("STX"), s("zero"), s("1-254"), s("CMD+DATA"), s("code"),
                  s("L-1 bytes"), s("DLE"), s("ETX"), s("check")}},
                {86, 50, 50, 50, 50, 68, 50, 76, 48, 48, 50},
                s("L counts the code and the data bytes (1-255). XOR: exclusive OR of every byte before it.")};
    case 2:
        return {s("2  Reply frame: processor \u2192 controller"),
                {{s("Byte"), s("0"), s("1"), s("2"), s("3"), s("4"), s("5"), s("6 \u2026"), s("last 3")},
                 {s("Value"), s("0x10"), s("0x02"), s("ID"), s("0x00"), s("L"), s("CODE"), s("DATA"),
                  s("10 03 XOR")}},
                {86, 58, 58, 58, 58, 58, 70, 80, 100},
                s("Code 1 acknowledges a command; a reply that carries another ID is for another processor.")};
    case 3:
        return {s("3  CMD 0x34  Channel gain"),
                {{s("Data"), s("1"), s("2"), s("3")},
                 {s("Value"), s("channel 0-11"), s("gain word, low byte"), s("gain word, high byte")}},
                evenColumns(86, 3, kInner),
                s("Word 0-400: 280 is 0 dB, 0.1 dB steps down to -20 dB, 0.5 dB steps below, 400 is +12 dB.")};
    case 4:
        return {s("4  CMD 0x35  Mute"),
                {{s("Data"), s("1"), s("2")}, {s("Value"), s("channel 0-11"), s("0 sound on, 1 muted")}},
                evenColumns(86, 2, kInner),
                s("Channels 0-3 are the inputs A-D, 4-11 the outputs 1-8.")};
    case 5:
        return {s("5  CMD 0x36  Polarity      CMD 0x38  Delay"),
                {{s("CMD"), s("Data 1"), s("Data 2"), s("Data 3")},
                 {s("0x36"), s("channel 0-11"), s("0 normal, 1 inverted"), s("-")},
                 {s("0x38"), s("channel 0-11"), s("samples, low byte"), s("samples, high byte")}},
                evenColumns(86, 3, kInner),
                s("Delay in samples: 48 samples are 1 ms.")};
    case 6:
        return {s("6  CMD 0x20  Recall preset      CMD 0x21  Store preset"),
                {{s("CMD"), s("Data 1"), s("Reply")},
                 {s("0x20"), s("preset: 0 factory default, 1-20 user"), s("1 (acknowledge)")},
                 {s("0x21"), s("preset 1-20"), s("1 (acknowledge)")}},
                {86, 340, 200},
                s("Wait for the acknowledgement before the next packet.")};
    case 7:
        return {s("7  CMD 0x10  Device query      CMD 0x13  Model query"),
                {{s("CMD"), s("Data"), s("Reply")},
                 {s("0x10"), s("none"), s("code 16")},
                 {s("0x13"), s("none"), s("code 19: model text, \"QX-73B V012\" \u2026")}},
                {86, 140, 400},
                s("A controller first sends 0x10, then 0x13, and checks the model text.")};
    case 8:
        return {s("8  CMD 0x12  Keep-alive      CMD 0x11  Closing"),
                {{s("CMD"), s("Data"), s("Meaning")},
                 {s("0x12"), s("none"), s("sent after 2 s without traffic")},
                 {s("0x11"), s("none"), s("the controller leaves")}},
                {86, 140, 400},
                {}};
    case 9:
        return {s("9  CMD 0x40  Level meters \u2192 reply 64 (34 data bytes)"),
                {{s("Bytes"), s("0-11"), s("12-19"), s("20-27"), s("28-29"), s("30-33")},
                 {s("Value"), s("levels of channels 0-11"), s("compressor reduction"), s("limiter reduction"),
                  s("engaged bits"), s("DSP idle count")}},
                {86, 136, 136, 100, 80, 88},
                s("Levels and reductions are signed bytes; the idle count comes low byte first.")};
    default:
        break;
    }
    if (chinese)
        return {s("10  \u901a\u8baf\u53c2\u6570"),
                {{s("\u94fe\u8def"), s("\u53c2\u6570")},
                 {s("RS232"), s("115200 \u6ce2\u7279\u7387, 8 \u6570\u636e\u4f4d, \u65e0\u6821\u9a8c, 1 \u505c\u6b62\u4f4d")},
                 {s("TCP"), s("\u5ba2\u6237\u7aef, \u7aef\u53e3 9761")},
                 {s("USB HID"), s("0168:0821, \u62a5\u544a ID 0 + \u6570\u636e\u5305")}},
                {126, 500},
                s("\u8bbe\u5907 ID \u9ed8\u8ba4\u4e3a 1 (1-254)\u3002")};
    return {s("10  Communication parameters"),
            {{s("Link"), s("Settings")},
             {s("RS232"), s("115200 baud, 8 data bits, no parity, 1 stop bit")},
             {s("TCP"), s("client to port 9761")},
             {s("USB HID"), s("0168:0821, report ID 0 followed by the packet")}},
            {126, 500},
            s("Device ID 1 by default (1-254).")};
}

} // namespace

QImage paintProtocolPage(int page, bool chinese, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0xFF));
    const Table t = table(page, chinese);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont titleFont(QStringLiteral("Liberation Sans"));
    titleFont.setPixelSize(12);
    titleFont.setBold(true);
    QFont cellFont(QStringLiteral("Liberation Sans"));
    cellFont.setPixelSize(11);

    const int rowHeight = 15, titleHeight = 16;
    p.fillRect(QRect(0, 0, width, titleHeight), QColor(0x2E, 0x4A, 0x6E));
    p.setPen(Qt::white);
    p.setFont(titleFont);
    p.drawText(QRect(8, 0, width - 16, titleHeight), Qt::AlignVCenter | Qt::AlignLeft, t.title);

    p.setFont(cellFont);
    int y = titleHeight + 2;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        int x = 2;
        for (std::size_t c = 0; c < t.rows[r].size() && c < t.widths.size(); ++c) {
            const QRect cell(x, y, t.widths[c] - 1, rowHeight - 1);
            const bool heading = r == 0 || c == 0;
            p.fillRect(cell, heading ? QColor(0xDD, 0xE6, 0xF0) : QColor(0xFF, 0xFF, 0xFF));
            p.setPen(QColor(0x80, 0x90, 0xA0));
            p.drawRect(cell);
            p.setPen(Qt::black);
            p.drawText(cell.adjusted(3, 0, -3, 0), Qt::AlignCenter, t.rows[r][c]);
            x += t.widths[c];
        }
        y += rowHeight;
    }
    if (!t.note.isEmpty()) {
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.drawText(QRect(6, y + 2, width - 12, rowHeight), Qt::AlignVCenter | Qt::AlignLeft, t.note);
    }
    p.setPen(QColor(0x2E, 0x4A, 0x6E));
    p.drawRect(0, 0, width - 1, height - 1);
    return image;
}

} // namespace qx::art
