#pragma once

#include <QString>
#include <QWidget>

// A label with the properties a form designer lists for one: caption, alignment, colours,
// border and its 3-D look, transparency, mouse pointer, tooltip, tag, and its position and
// size in pixels of its parent. It paints itself, so every property shows as set. The caption
// always wraps at words within the label's width; AutoSize fits the label to its caption:
// taller or shorter at its width when WordWrap is on, to one line per caption line otherwise.
// Values outside a property's codes are clamped to the nearest code. A new label is opaque
// white with black text, in the 3-D look, without a border.
class DesignLabel : public QWidget {
    Q_OBJECT
public:
    enum AlignmentCode { LeftJustify = 0, RightJustify = 1, Center = 2 };
    enum AppearanceCode { Flat = 0, ThreeD = 1 };
    enum BackStyleCode { Transparent = 0, Opaque = 1 };
    enum BorderStyleCode { NoBorder = 0, FixedSingle = 1 };
    // The pointers 0 (default) to 15 (size all).
    static constexpr int MousePointerCount = 16;

    DesignLabel(const QString& name, const QString& caption, QWidget* parent);

    QString Name() const { return objectName(); }
    int Alignment() const { return m_alignment; }
    void SetAlignment(int alignment);
    int Appearance() const { return m_appearance; }
    void SetAppearance(int appearance);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    quint32 BackColor() const { return m_backColor; } // OLE colour
    void SetBackColor(quint32 color);
    int BackStyle() const { return m_backStyle; }
    void SetBackStyle(int style);
    int BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int style);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }
    quint32 ForeColor() const { return m_foreColor; } // OLE colour
    void SetForeColor(quint32 color);
    float Left() const { return float(x()); }
    void SetLeft(float left);
    float Top() const { return float(y()); }
    void SetTop(float top);
    float Width() const { return float(width()); }
    void SetWidth(float width);
    float Height() const { return float(height()); }
    void SetHeight(float height);
    int MousePointer() const { return m_mousePointer; }
    void SetMousePointer(int pointer);
    QString Tag() const { return m_tag; }
    void SetTag(const QString& tag) { m_tag = tag; }
    QString ToolTipText() const { return toolTip(); }
    void SetToolTipText(const QString& text) { setToolTip(text); }
    bool UseMnemonic() const { return m_useMnemonic; }
    void SetUseMnemonic(bool on);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int borderWidth() const;
    int textFlags() const;
    QString shownCaption() const; // line breaks as the painter takes them
    // Changes the look; refits the label when AutoSize is on.
    void changed();

    int m_alignment = LeftJustify;
    int m_appearance = ThreeD;
    bool m_autoSize = false;
    quint32 m_backColor = 0xFFFFFF;
    int m_backStyle = Opaque;
    int m_borderStyle = NoBorder;
    QString m_caption;
    quint32 m_foreColor = 0;
    int m_mousePointer = 0;
    QString m_tag;
    bool m_useMnemonic = true;
    bool m_wordWrap = false;
};
