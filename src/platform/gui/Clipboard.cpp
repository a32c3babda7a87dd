#include "platform/gui/Clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

namespace {

constexpr unsigned firstRegisteredFormat = 0xC000;
const QString svgMime = QStringLiteral("image/svg+xml");

std::string lowerCase(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::map<std::string, unsigned>& registeredFormats()
{
    static std::map<std::string, unsigned> formats;
    return formats;
}

QString mimeOf(unsigned format)
{
    return QStringLiteral("application/x-qx-clipboard-format-%1").arg(format);
}

QClipboard* systemClipboard()
{
    return QGuiApplication::clipboard();
}

const QMimeData* current()
{
    return systemClipboard()->mimeData();
}

QByteArray toQt(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

std::vector<std::uint8_t> fromQt(const QByteArray& bytes)
{
    return {bytes.begin(), bytes.end()};
}

void put(const QString& mime, const QByteArray& bytes)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(mime, bytes);
    systemClipboard()->setMimeData(data.release());
}

} // namespace

unsigned RegisterClipboardFormat(const std::string& name)
{
    auto& formats = registeredFormats();
    const auto [it, added] = formats.try_emplace(lowerCase(name), 0);
    if (added)
        it->second = firstRegisteredFormat + static_cast<unsigned>(formats.size()) - 1;
    return it->second;
}

std::string TClipboard::AsText() const
{
    return systemClipboard()->text().toStdString();
}

void TClipboard::SetAsText(const std::string& text)
{
    systemClipboard()->setText(QString::fromStdString(text));
}

bool TClipboard::HasFormat(unsigned format) const
{
    const QMimeData* data = current();
    if (!data)
        return false;
    switch (format) {
    case CF_TEXT:
    case CF_UNICODETEXT: return data->hasText();
    case CF_BITMAP: return data->hasImage();
    case CF_ENHMETAFILE: return data->hasFormat(svgMime);
    default: return data->hasFormat(mimeOf(format));
    }
}

void TClipboard::Clear()
{
    systemClipboard()->clear();
}

QImage TClipboard::AsImage() const
{
    return systemClipboard()->image();
}

void TClipboard::SetAsImage(const QImage& image)
{
    systemClipboard()->setImage(image);
}

std::vector<std::uint8_t> TClipboard::AsSvg() const
{
    const QMimeData* data = current();
    return data ? fromQt(data->data(svgMime)) : std::vector<std::uint8_t>{};
}

void TClipboard::SetAsSvg(const std::vector<std::uint8_t>& svg)
{
    put(svgMime, toQt(svg));
}

void TClipboard::SetAsSvgAndImage(const std::vector<std::uint8_t>& svg, const QImage& image)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(svgMime, toQt(svg));
    data->setImageData(image);
    systemClipboard()->setMimeData(data.release());
}

std::vector<std::uint8_t> TClipboard::AsBytes(unsigned format) const
{
    const QMimeData* data = current();
    return data ? fromQt(data->data(mimeOf(format))) : std::vector<std::uint8_t>{};
}

void TClipboard::SetAsBytes(unsigned format, const std::vector<std::uint8_t>& bytes)
{
    put(mimeOf(format), toQt(bytes));
}

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}
