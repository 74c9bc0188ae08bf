#include "components/grid/FontObject.h"

#include <QHashFunctions>

QFont FontData::toQFont() const {
    QFont font(name);
    font.setPointSizeF(size > 0 ? size : 8.25);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

FontData FontData::fromQFont(const QFont& font) {
    FontData d;
    d.name = font.family();
    d.size = font.pointSizeF() > 0 ? font.pointSizeF() : d.size;
    d.bold = font.bold();
    d.italic = font.italic();
    return d;
}

size_t qHash(const FontData& font, size_t seed) {
    return qHashMulti(seed, font.name, font.size, font.bold, font.italic);
}

namespace {
// A font object created on its own: it holds its attributes itself.
class FreeFont final : public FontTarget {
public:
    explicit FreeFont(FontData data) : m_data(std::move(data)) {}
    FontData fontData() const override { return m_data; }
    void setFontData(const FontData& data) override { m_data = data; }

private:
    FontData m_data;
};
} // namespace

FontObject::FontObject() : FontObject(FontData{}) {}

FontObject::FontObject(const FontData& data) : m_target(std::make_shared<FreeFont>(data)) {}

FontObject::FontObject(std::shared_ptr<FontTarget> target) : m_target(std::move(target)) {
    if (!m_target)
        m_target = std::make_shared<FreeFont>(FontData{});
}

template <typename F> void FontObject::edit(F change) {
    FontData d = m_target->fontData();
    change(d);
    m_target->setFontData(d);
}

QString FontObject::Name() const {
    return m_target->fontData().name;
}
void FontObject::SetName(const QString& name) {
    edit([&](FontData& d) { d.name = name; });
}
double FontObject::Size() const {
    return m_target->fontData().size;
}
void FontObject::SetSize(double points) {
    if (points > 0)
        edit([&](FontData& d) { d.size = points; });
}
bool FontObject::Bold() const {
    return m_target->fontData().bold;
}
void FontObject::SetBold(bool bold) {
    edit([&](FontData& d) { d.bold = bold; });
}
bool FontObject::Italic() const {
    return m_target->fontData().italic;
}
void FontObject::SetItalic(bool italic) {
    edit([&](FontData& d) { d.italic = italic; });
}
FontData FontObject::data() const {
    return m_target->fontData();
}
void FontObject::setData(const FontData& data) {
    m_target->setFontData(data);
}
QFont FontObject::toQFont() const {
    return data().toQFont();
}
FontObject FontObject::clone() const {
    return FontObject(data());
}

// Shared between the holder and its handles; a handle that outlives the holder keeps
// working on the last attributes without reaching the dead owner.
struct FontHolder::State final : FontTarget {
    std::optional<FontData> own;
    Fallback fallback;
    Changed changed;

    FontData fontData() const override {
        if (own)
            return *own;
        return fallback ? fallback() : FontData{};
    }
    void setFontData(const FontData& data) override {
        if (own && *own == data)
            return;
        own = data;
        if (changed)
            changed();
    }
};

FontHolder::FontHolder(FontData initial) : m_state(std::make_shared<State>()) {
    m_state->own = std::move(initial);
}

FontHolder::FontHolder(Fallback fallback, Changed changed) : m_state(std::make_shared<State>()) {
    m_state->fallback = std::move(fallback);
    m_state->changed = std::move(changed);
}

FontHolder::~FontHolder() {
    // Detach: handles still alive keep a copy of what they showed.
    m_state->own = m_state->fontData();
    m_state->fallback = nullptr;
    m_state->changed = nullptr;
}

void FontHolder::setChanged(Changed changed) {
    m_state->changed = std::move(changed);
}
bool FontHolder::isSet() const {
    return m_state->own.has_value();
}
FontData FontHolder::data() const {
    return m_state->fontData();
}
void FontHolder::assign(const FontObject& font) {
    assign(font.data());
}
void FontHolder::assign(const FontData& data) {
    m_state->setFontData(data);
}

void FontHolder::reset() {
    if (!m_state->own)
        return;
    m_state->own.reset();
    if (m_state->changed)
        m_state->changed();
}

FontObject FontHolder::handle() const {
    return FontObject(std::static_pointer_cast<FontTarget>(m_state));
}
