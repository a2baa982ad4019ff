#pragma once

#include <QImage>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <functional>
#include <span>
#include <vector>

class QBoxLayout;

// A picture used as a button (toolbar buttons, search and OK buttons, help icons). Its normal image is
// the file base name + ".gif" and its highlighted image base name + "1.gif", both in the application
// folder. A picture that cannot be read is replaced by a drawn stand-in carrying the base name, so the
// button can still be seen and pressed. Tab reaches it (a mark shows its focus); Space or Enter presses it.
// A screen reader sees it as a button that can be pressed.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    PictureButton(const QString& objectName, const QString& baseName, QWidget* parent = nullptr);

    const QString& baseName() const { return base_; }
    // Loads an image file of the application folder; false when it cannot be read.
    bool loadPicture(const QString& fileName);
    const QString& pictureFile() const { return file_; }
    bool hasPicture() const { return !image_.isNull(); }
    const QImage& picture() const { return image_; }
    void setNormalImage() { loadPicture(base_ + ".gif"); }
    void setHighlightedImage() { loadPicture(base_ + "1.gif"); }
    bool highlighted() const { return file_ == base_ + "1.gif"; }

    // Hover: entering shows the highlighted image, leaving the normal one, unless keepHighlight (asked
    // when the pointer leaves) says this button stays highlighted.
    void setHoverEnabled(bool on) { hover_ = on; }
    void setKeepHighlight(std::function<bool()> keep) { keep_ = std::move(keep); }
    bool keepsHighlight() const { return keep_ && keep_(); }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QString base_;
    QString file_;
    QImage image_;
    bool hover_ = true;
    bool pressed_ = false;
    bool keyDown_ = false;
    std::function<bool()> keep_;
};

// Hover: the pointer over the button shows base name + "1.gif"; once it has left, base name + ".gif", or
// "1.gif" again when the button keeps its highlight (the navigation button pressed last).
void modMouseEventCapture(PictureButton* button, bool inside);

// The button shape (modTrimPictureBox): the union of the runs of pixels whose colour differs from
// `transparent`, one pixel high each. Pixels that are see-through in the file count as the white behind them.
QRegion pictureRegion(const QImage& image, QRgb transparent);
// Clips the button to its picture, so clicks on the transparent colour fall through to what lies behind.
// A button without a picture keeps its whole rectangle.
void modTrimPictureBox(PictureButton* button, QRgb transparent = qRgb(255, 255, 255));

// The balloon tooltip (modToolTip): the control keeps `text` exactly as its tooltip, which a screen reader
// reads as its description; it is shown white on RGB(253, 96, 237), at most 80 pixels wide (longer texts
// wrap), centred on the control.
void modToolTip(QWidget* control, const QString& text, QWidget* owner);
// The lines a tip text is shown in, each at most maxWidth pixels wide where a word allows it.
QStringList tipLines(const QString& text, const QFontMetrics& metrics, int maxWidth);
constexpr int TipMaxWidth = 80;

// A help icon ("help1.gif", clipped to shape) carrying a balloon tip, which pressing it also shows. A
// screen reader calls it "Help" and reads the tip.
PictureButton* helpIcon(const QString& objectName, const QString& tip, QWidget* owner);

// One button of a picture row: its given name, its picture base name, its action (what a screen reader
// calls it) and its tip.
struct PictureSpec {
    const char* name;
    const char* base;
    const char* action;
    const char* tip;
};

// A row of picture buttons made in one call, side by side in `layout`. A screen reader cannot read a
// picture, so each button carries its action as its accessible name.
class PictureRow {
public:
    PictureRow() = default;
    PictureRow(std::span<const PictureSpec> specs, QBoxLayout* layout, QWidget* parent);
    // The row centred on a line of its own at the end of `below`.
    static PictureRow centred(std::span<const PictureSpec> specs, QBoxLayout* below, QWidget* parent);
    PictureButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }
    // Each button's normal picture and balloon tip, then each clipped to its picture with white as the
    // transparent colour.
    void setUp(QWidget* owner) const;

private:
    std::vector<PictureSpec> specs_;
    std::vector<PictureButton*> buttons_;
};
