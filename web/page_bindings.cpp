// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser page (tavinel.html) asks of the program through embind: the windows'
// models in a session whose canvases are pixels (PageCanvas), worked as a user works them.
// Structured answers are JSON texts, which the page parses.
//
//   const core = await TavinelPage({ wasmBinary });
//   core.useLanguage((context, text) => translation, ',');  // before the first window
//   const page = new core.Page(1 / 15);    // device pixels per twip
//   page.start(); page.design(); page.changedControls(); page.pictureChanges(); page.picture(); page.paintedBoxes();
//   page.texts();
#include "app/HeadlessSession.h"
#include "core/PlotSource.h"
#include "core/PortableNumbers.h"
#include "core/Translation.h"
#include "core/Version.h"
#include "core/WavFile.h"
#include "core/WindowModel.h"
#include "web/PageCanvas.h"

#include <emscripten/bind.h>

#include <string>
#include <vector>

namespace {

std::string json(const std::string& text)
{
    std::string quoted = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\', quoted += char(c);
        else if (c == '\n')
            quoted += "\\n";
        else if (c < 0x20) {
            static const char hex[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += hex[c >> 4];
            quoted += hex[c & 15];
        } else
            quoted += char(c);
    }
    return quoted + '"';
}

std::string json(double value)
{
    return generalText(value, 17);
}

std::string json(bool value)
{
    return value ? "true" : "false";
}

std::string colour(Colour value)
{
    static const char hex[] = "0123456789abcdef";
    std::string text = "\"#";
    const std::uint32_t rgb = colourToRgb(value);
    for (int shift = 20; shift >= 0; shift -= 4)
        text += hex[rgb >> shift & 15];
    return text + '"';
}

const char* alignName(TextAlign align)
{
    return align == TextAlign::Centre ? "center" : align == TextAlign::Right ? "right"
                                                                             : "left";
}

class Page {
public:
    explicit Page(double pixelsPerTwip)
        : pixelsPerTwip_(pixelsPerTwip)
        , session_(12000, 9000, false, [this](const WindowDesign& design, OpLog*) {
            auto canvas = std::make_unique<PageCanvas>(design.clientWidthTwips, design.clientHeightTwips, pixelsPerTwip_);
            canvas_ = canvas.get();
            return canvas;
        })
    {
    }

    void start() { session_.start(); }
    void click(const std::string& name) { session_.click(name); }
    void type(const std::string& name, const std::string& text) { session_.type(name, text); }
    void key(const std::string& name, const std::string& key) { session_.key(name, key); }
    bool ended() const { return session_.ended(); }

    // Device pixels per twip changed (the browser's window or its zoom): the window draws
    // itself again at the new size.
    void setPixelsPerTwip(double pixelsPerTwip)
    {
        if (pixelsPerTwip == pixelsPerTwip_)
            return;
        pixelsPerTwip_ = pixelsPerTwip;
        session_.drawAfresh();
    }

    // The window open now, with its controls as they stand: JSON.
    std::string design()
    {
        session_.changedControls.clear();
        const WindowModel* window = session_.window();
        if (!window)
            return "null";
        const WindowDesign& d = window->design();
        std::string text = "{\"name\":" + json(d.name) + ",\"caption\":" + json(d.caption)
            + ",\"width\":" + json(d.clientWidthTwips) + ",\"height\":" + json(d.clientHeightTwips)
            + ",\"titleBar\":" + json(d.titleBar) + ",\"bold\":" + json(d.bold) + ",\"defaultButton\":"
            + json(d.defaultButton) + ",\"focusOrder\":[";
        for (std::size_t i = 0; i < d.focusOrder.size(); ++i)
            text += (i ? "," : "") + json(d.focusOrder[i]);
        text += "],\"controls\":[";
        for (std::size_t i = 0; i < d.controls.size(); ++i)
            text += (i ? "," : "") + controlJson(d.controls[i]);
        return text + "]}";
    }
    // The name of the window open now ("" once the program has ended).
    std::string windowName()
    {
        const WindowModel* window = session_.window();
        return window ? window->design().name : std::string();
    }
    // The controls of that window that changed since the last call (or design()): JSON,
    // as in design()'s list. A click changes a few controls, not the window's forty.
    std::string changedControls()
    {
        std::string text = "[";
        if (const WindowModel* window = session_.window())
            for (const std::string& name : session_.changedControls)
                if (const Control* control = window->control(name))
                    text += (text.size() > 1 ? "," : "") + controlJson(*control);
        session_.changedControls.clear();
        return text + "]";
    }

    // The control the window gave the focus to since the last call ("" for none).
    std::string takeFocus()
    {
        std::string focus;
        focus.swap(session_.focusRequest);
        return focus;
    }
    // The message boxes shown so far: how many, and each.
    int messageCount() const { return int(session_.messages.size()); }
    std::string message(int index) const
    {
        return index >= 0 && index < messageCount() ? session_.messages[std::size_t(index)] : std::string();
    }
    int plotRedraws() const { return session_.plotRedraws; }

    // The canvas: its size in device pixels, how often it changed, its pixels (RGBA, a
    // view into the program's memory, to be copied before the next call) and its texts.
    int pictureWidth() { return canvas().width(); }
    int pictureHeight() { return canvas().height(); }
    double scaleWidth() { return canvas().scaleWidth(); }
    double scaleHeight() { return canvas().scaleHeight(); }
    unsigned pictureChanges() { return canvas_ ? canvas_->changes() : 0; }
    emscripten::val picture()
    {
        const std::vector<std::uint32_t>& pixels = canvas().picture();
        return emscripten::val(emscripten::typed_memory_view(pixels.size() * 4, reinterpret_cast<const unsigned char*>(pixels.data())));
    }
    // Where pixels were painted since the last call, in device pixels: JSON, a list of
    // boxes [left, top, right, bottom] with inclusive edges, [] for none.
    std::string paintedBoxes()
    {
        std::string text = "[";
        for (const SpanRasteriser::PixelBox& box : canvas().takePaintedBoxes())
            text += std::string(text.size() > 1 ? "," : "") + "[" + std::to_string(box.left) + ","
                + std::to_string(box.top) + "," + std::to_string(box.right) + "," + std::to_string(box.bottom) + "]";
        return text + "]";
    }
    std::string texts()
    {
        std::string text = "[";
        for (const PageCanvas::Text& t : canvas().texts())
            text += std::string(text.size() > 1 ? "," : "") + "{\"left\":" + json(t.left) + ",\"top\":" + json(t.top)
                + ",\"text\":" + json(t.text) + ",\"size\":" + json(t.pixelSize) + ",\"bold\":" + json(t.bold)
                + ",\"colour\":" + colour(t.colour) + "}";
        return text + "]";
    }

    // The plots of the window open now: JSON, [] for none; a plot's kind is "spectrum" or
    // "trace".
    std::string panels()
    {
        PlotSource* source = plotSource();
        if (!source)
            return "[]";
        std::string text = "[";
        const std::vector<PlotPanel> panels = source->plotPanels();
        for (std::size_t i = 0; i < panels.size(); ++i) {
            const PlotPanel& p = panels[i];
            const char* kind = p.kind == PlotPanel::Kind::Spectrum ? "spectrum" : "trace";
            text += std::string(i ? "," : "") + "{\"title\":" + json(p.title) + ",\"kind\":\"" + kind
                + "\",\"left\":" + json(p.area.left)
                + ",\"top\":" + json(p.area.top) + ",\"right\":" + json(p.area.right) + ",\"bottom\":"
                + json(p.area.bottom) + ",\"hasData\":" + json(panelHasData(*source, i)) + ",\"dataFile\":"
                + json(dataFileName(*source, i)) + "}";
        }
        return text + "]";
    }
    std::string fileName(const std::string& extension)
    {
        PlotSource* source = plotSource();
        return !source ? std::string() : extension == "wav" ? soundFileName(*source)
                                                            : pictureFileName(*source, extension);
    }
    std::string help()
    {
        WindowModel* window = session_.window();
        return window ? window->helpText() : std::string();
    }
    bool hasPlot()
    {
        PlotSource* source = plotSource();
        return source && source->hasPlot();
    }
    std::string readout(double x, double y) { return session_.window() ? session_.window()->readout(x, y) : std::string(); }
    std::string table(std::size_t panel, const std::string& separator)
    {
        return session_.window() ? session_.window()->table(panel, separator.empty() ? ',' : separator[0]) : std::string();
    }
    std::vector<std::string> descriptions()
    {
        return session_.window() ? session_.window()->descriptions() : std::vector<std::string>();
    }

    // One period of the sound at 48 kHz (empty for none): a view, to be copied.
    emscripten::val soundPeriod()
    {
        period_ = session_.window() ? session_.window()->sound() : PeriodicSound();
        return emscripten::val(emscripten::typed_memory_view(period_.period().size(), period_.period().data()));
    }
    // Two seconds of the sound as a WAV file (empty for none): a view, to be copied.
    emscripten::val wav()
    {
        const PeriodicSound sound = session_.window() ? session_.window()->sound() : PeriodicSound();
        wav_ = sound.isEmpty() ? std::string() : savedSoundFile(sound);
        return emscripten::val(emscripten::typed_memory_view(wav_.size(), reinterpret_cast<const unsigned char*>(wav_.data())));
    }

private:
    static std::string controlJson(const Control& c)
    {
        return std::string("{\"kind\":\"") + controlKindName(c.kind) + "\",\"name\":" + json(c.name)
            + ",\"caption\":" + json(c.caption) + ",\"frame\":" + json(c.frame) + ",\"left\":" + json(c.twips.left)
            + ",\"top\":" + json(c.twips.top) + ",\"width\":" + json(c.twips.width) + ",\"height\":"
            + json(c.twips.height) + ",\"points\":" + json(c.points) + ",\"bold\":" + json(c.bold)
            + ",\"serif\":" + json(c.serif) + ",\"colour\":" + (c.textColour ? colour(*c.textColour) : "null")
            + ",\"align\":\"" + alignName(c.align) + "\",\"checked\":" + json(c.checked) + ",\"enabled\":"
            + json(c.enabled) + ",\"labelFor\":" + json(c.labelFor) + "}";
    }
    PageCanvas& canvas()
    {
        session_.window();
        return *canvas_;
    }
    PlotSource* plotSource()
    {
        WindowModel* window = session_.window();
        return window ? window->plots() : nullptr;
    }

    double pixelsPerTwip_;
    PageCanvas* canvas_ = nullptr; // the canvas made last: the window open now's
    HeadlessSession session_;
    PeriodicSound period_;
    std::string wav_;
};

std::string version()
{
    return ProgramVersion;
}

// The language of every text the windows show: `lookup(context, text)` gives a text's
// translation (an empty string where there is none), numbers take `decimalSeparator`;
// a null lookup is English.
void useLanguage(emscripten::val lookup, const std::string& decimalSeparator)
{
    if (lookup.isNull() || lookup.isUndefined()) {
        setLanguage({}, '.');
        return;
    }
    setLanguage(
        [lookup](const char* context, const char* text) {
            return lookup(std::string(context), std::string(text)).as<std::string>();
        },
        decimalSeparator.size() == 1 ? decimalSeparator[0] : '.');
}

}

EMSCRIPTEN_BINDINGS(tavinel_page)
{
    emscripten::function("version", &version);
    emscripten::function("useLanguage", &useLanguage);
    emscripten::register_vector<std::string>("StringList");
    emscripten::class_<Page>("Page")
        .constructor<double>()
        .function("start", &Page::start)
        .function("click", &Page::click)
        .function("type", &Page::type)
        .function("key", &Page::key)
        .function("ended", &Page::ended)
        .function("setPixelsPerTwip", &Page::setPixelsPerTwip)
        .function("design", &Page::design)
        .function("windowName", &Page::windowName)
        .function("changedControls", &Page::changedControls)
        .function("takeFocus", &Page::takeFocus)
        .function("messageCount", &Page::messageCount)
        .function("message", &Page::message)
        .function("plotRedraws", &Page::plotRedraws)
        .function("pictureWidth", &Page::pictureWidth)
        .function("pictureHeight", &Page::pictureHeight)
        .function("scaleWidth", &Page::scaleWidth)
        .function("scaleHeight", &Page::scaleHeight)
        .function("pictureChanges", &Page::pictureChanges)
        .function("picture", &Page::picture)
        .function("paintedBoxes", &Page::paintedBoxes)
        .function("texts", &Page::texts)
        .function("panels", &Page::panels)
        .function("fileName", &Page::fileName)
        .function("help", &Page::help)
        .function("hasPlot", &Page::hasPlot)
        .function("readout", &Page::readout)
        .function("table", &Page::table)
        .function("descriptions", &Page::descriptions)
        .function("soundPeriod", &Page::soundPeriod)
        .function("wav", &Page::wav);
}
