#include "platform/gui/canvas/Metafile.h"

#include "platform/gui/canvas/QtBridge.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <algorithm>

void TMetafile::Draw(TCanvas& canvas, const TRect& r) const
{
    QPainter* painter = canvas.Painter();
    if (Empty() || !painter)
        return;
    QSvgRenderer renderer(QByteArray(reinterpret_cast<const char*>(m_svg.data()), static_cast<qsizetype>(m_svg.size())));
    if (renderer.isValid())
        renderer.render(painter, QRectF(qx::toQRect(r)));
}

bool TMetafile::LoadFromBytes(qx::ByteView bytes, std::string* error)
{
    if (bytes.empty()) {
        Clear();
        Changed();
        return true;
    }
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QSvgRenderer renderer(data);
    if (!renderer.isValid()) {
        Clear();
        if (error)
            *error = "Not a drawing (SVG)";
        return false;
    }
    m_svg.assign(bytes.begin(), bytes.end());
    // The frame is the drawing's view box; its physical size depends on the reader's
    // resolution.
    const QSize size = renderer.viewBox().isEmpty() ? renderer.defaultSize() : renderer.viewBox().size();
    m_width = size.width();
    m_height = size.height();
    Changed();
    return true;
}

void TMetafile::Clear()
{
    m_svg.clear();
}

void TMetafile::Recorded(qx::Bytes svg)
{
    m_svg = std::move(svg);
    Changed();
}

TMetafileCanvas::TMetafileCanvas(TMetafile& metafile, const std::string& createdBy, const std::string& description)
    : m_metafile(&metafile), m_buffer(std::make_unique<QBuffer>()), m_generator(std::make_unique<QSvgGenerator>())
{
    metafile.CreatedBy = createdBy;
    metafile.Description = description;
    const QSize size(std::max(metafile.Width(), 1), std::max(metafile.Height(), 1));
    m_buffer->open(QIODevice::WriteOnly);
    m_generator->setOutputDevice(m_buffer.get());
    m_generator->setSize(size);
    m_generator->setViewBox(QRect(QPoint(0, 0), size));
    m_generator->setResolution(96);
    m_generator->setTitle(QString::fromStdString(description));
    m_generator->setDescription(QString::fromStdString(createdBy));
    Attach(m_generator.get());
}

TMetafileCanvas::~TMetafileCanvas() { Close(); }

void TMetafileCanvas::Close()
{
    if (!m_metafile)
        return;
    Painter(); // an empty drawing is still a whole SVG document
    Detach();
    const QByteArray& data = m_buffer->data();
    m_metafile->Recorded(qx::Bytes(data.begin(), data.end()));
    m_metafile = nullptr;
}
