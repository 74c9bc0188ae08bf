#pragma once
// Font objects as the windows use them: name, size in points, bold, italic.
//
// Assigning a font to a cell, column, header or the grid stores a COPY of its attributes, so
// one object given to every cell of a row and then edited through one cell's handle changes
// only that cell. Reading a font returns a handle bound to that owner's own font: editing it
// edits the owner (a cell without a font of its own first gets a copy of the font it shows).
// Copies of a FontObject share their target, like object references in the windows' code.

#include <QFont>
#include <QString>
#include <functional>
#include <memory>

// The plain attributes; what the grid stores and interns.
struct FontData {
    QString name = QStringLiteral("Tahoma");
    double size = 8.25; // points, fractional
    bool bold = false;
    bool italic = false;

    QFont toQFont() const;
    static FontData fromQFont(const QFont& font);
    friend bool operator==(const FontData&, const FontData&) = default;
};
size_t qHash(const FontData& font, size_t seed = 0);

// Where a bound handle reads and writes its attributes.
class FontTarget {
public:
    virtual ~FontTarget() = default;
    virtual FontData fontData() const = 0;
    virtual void setFontData(const FontData& data) = 0;
};

// The font object. Default-constructed it is a new, free font (Tahoma 8.25).
class FontObject {
public:
    FontObject();
    explicit FontObject(const FontData& data);
    // A handle editing the given target.
    explicit FontObject(std::shared_ptr<FontTarget> target);

    QString Name() const;
    void SetName(const QString& name);
    double Size() const;
    void SetSize(double points); // non-positive sizes are ignored
    bool Bold() const;
    void SetBold(bool bold);
    bool Italic() const;
    void SetItalic(bool italic);

    FontData data() const; // snapshot of the attributes
    void setData(const FontData& data);
    QFont toQFont() const;    // the device font used for drawing
    FontObject clone() const; // a new free font with the same attributes
    bool sameObject(const FontObject& other) const { return m_target == other.m_target; }

private:
    template <typename F> void edit(F change);
    std::shared_ptr<FontTarget> m_target;
};

// A font held by an owner (grid font, header font, column default font...): keeps the
// attributes, hands out bound handles and tells the owner when they change through them.
// An unset holder falls back to `fallback` for reading; the first edit through a handle
// takes a copy of the fallback and makes it its own.
class FontHolder {
public:
    using Fallback = std::function<FontData()>;
    using Changed = std::function<void()>;

    explicit FontHolder(FontData initial);          // always set
    FontHolder(Fallback fallback, Changed changed); // unset until assigned
    FontHolder(const FontHolder&) = delete;
    FontHolder& operator=(const FontHolder&) = delete;
    ~FontHolder();

    void setChanged(Changed changed);
    bool isSet() const;
    FontData data() const;               // own attributes, or the fallback's
    void assign(const FontObject& font); // stores a copy
    void assign(const FontData& data);
    void reset();              // drops the own font (reads the fallback again)
    FontObject handle() const; // bound to this holder

private:
    struct State;
    std::shared_ptr<State> m_state;
};
