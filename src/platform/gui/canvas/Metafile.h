#pragma once
// TMetafile: a vector drawing kept as SVG bytes (the class library's enhanced metafile), and
// TMetafileCanvas, the canvas that records one: what is drawn on it becomes the metafile's
// picture when the canvas is closed or destroyed.

#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Graphic.h"

#include <memory>
#include <string>

class QBuffer;
class QSvgGenerator;

class TMetafile : public TGraphic
{
public:
    // The frame a recording canvas draws into, in pixels.
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetWidth(int Value) { m_width = Value; }
    void SetHeight(int Value) { m_height = Value; }
    bool Empty() const override { return m_svg.empty(); }
    // Plays the drawing into the rectangle, scaled to fill it.
    void Draw(TCanvas& canvas, const TRect& r) const override;
    // Takes SVG bytes; anything that is not a readable SVG drawing is refused.
    bool LoadFromBytes(qx::ByteView bytes, std::string* error = nullptr) override;
    qx::Bytes SaveToBytes() const override { return m_svg; }
    void Clear();

    // Written into the drawing when it is recorded: the creator as its description, the
    // description as its title.
    std::string CreatedBy;
    std::string Description;

private:
    friend class TMetafileCanvas;
    void Recorded(qx::Bytes svg);

    int m_width = 0;
    int m_height = 0;
    qx::Bytes m_svg;
};

class TMetafileCanvas : public TCanvas
{
public:
    // Records a drawing of the metafile's size, with the creator and description given.
    TMetafileCanvas(TMetafile& metafile, const std::string& createdBy, const std::string& description);
    ~TMetafileCanvas();
    // Ends the recording and hands the drawing to the metafile (once).
    void Close();

private:
    TMetafile* m_metafile;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QSvgGenerator> m_generator;
};
