#include "tform1.h"

#include "ansi.h"
#include "explain.h"
#include "tapplication.h"

#include <QEvent>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {

// A press from the keyboard: the click at once, so that quick presses are never merged, and the
// pressed look for a moment after it.
void PressVisibly(QAbstractButton* button)
{
    button->click();
    button->setDown(true);
    QTimer::singleShot(100, button, [button] { button->setDown(false); });
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ByteHandlers(static_cast<FormControls&>(*this))
{
    ui.setupUi(this);
    switches_ = {ui.Button1, ui.Button2, ui.Button3, ui.Button4,
                 ui.Button5, ui.Button6, ui.Button7, ui.Button8};
    fields_ = {ui.Edit1, ui.Edit2, ui.Edit3, ui.Edit4};

    // uic keeps only the form's size; where it opens is in the layout too.
    outerSize_ = size();
    move(property("Left").toInt(), property("Top").toInt());
    ui.BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ApplyFontHeights();
    SizeLabelsToText();

    using SwitchHandler = void (ByteHandlers::*)();
    static constexpr std::array<SwitchHandler, 8> kSwitchHandlers{
        &ByteHandlers::Button1Click, &ByteHandlers::Button2Click, &ByteHandlers::Button3Click,
        &ByteHandlers::Button4Click, &ByteHandlers::Button5Click, &ByteHandlers::Button6Click,
        &ByteHandlers::Button7Click, &ByteHandlers::Button8Click};
    for (std::size_t i = 0; i < switches_.size(); ++i) {
        connect(switches_[i], &QPushButton::clicked, this, [this, handler = kSwitchHandlers[i]] {
            Run([this, handler] { (this->*handler)(); });
        });
    }
    connect(ui.UpDown2, &TUpDown::Click, this,
            [this](TUDBtnType button) { Run([this, button] { UpDown2Click(button); }); });
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    BindKeys();
    // The layout's own texts get their explanations too.
    for (Field field : {Field::Edit1, Field::Edit2, Field::Edit3, Field::Edit4}) {
        const QLineEdit* edit = fields_.at(static_cast<std::size_t>(field));
        SetFieldText(field, ToAnsi(edit->text()));
    }

    Run([this] { FormCreate(); });
}

template <class Handler> void TForm1::Run(Handler handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        TApplication::ShowException(error);
    }
}

void TForm1::BindKeys()
{
    // Window-wide shortcuts: they act wherever the focus is and leave Tab, Space and Alt+C alone.
    auto bind = [this](std::initializer_list<QKeySequence> keys, QAbstractButton* button) {
        for (const QKeySequence& key : keys) {
            connect(new QShortcut(key, this), &QShortcut::activated, button,
                    [button] { PressVisibly(button); });
        }
    };
    for (int bit = 0; bit < 8; ++bit) {
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + bit);
        bind({QKeySequence(digit), QKeySequence(Qt::KeypadModifier | digit)}, Switch(bit + 1));
    }
    bind({QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Plus),
          QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)},
         ui.UpDown2->UpArrow());
    bind({QKeySequence(Qt::Key_Down), QKeySequence(Qt::Key_Minus),
          QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)},
         ui.UpDown2->DownArrow());
}

void TForm1::ApplyFontHeights()
{
    // Designer keeps font sizes in points; the layout's are character heights in pixels, which
    // stay true at any font DPI. The window's own comes first, for the children that inherit it.
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.prepend(this);
    for (QWidget* widget : widgets) {
        const QVariant height = widget->property("FontHeight");
        if (height.isValid()) {
            QFont font = widget->font();
            font.setPixelSize(height.toInt());
            widget->setFont(font);
        }
    }
}

void TForm1::SizeLabelsToText()
{
    // Labels grow or shrink from their top-left corner to fit their text in the fonts we have.
    for (QLabel* label : findChildren<QLabel*>()) {
        label->ensurePolished();
        label->resize(label->sizeHint());
    }
}

bool TForm1::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (!outerSizeFitted_ && (event->type() == QEvent::Show || event->type() == QEvent::Move ||
                              event->type() == QEvent::Resize)) {
        FitOuterSize();
    }
    return handled;
}

void TForm1::FitOuterSize()
{
    // The layout's size includes the frame: once a window manager has framed the window, the
    // client area becomes what the frame leaves. Without a frame it is the whole size already.
    const QSize frame = frameGeometry().size() - size();
    if (frame.isEmpty() || !isVisible()) {
        return;
    }
    outerSizeFitted_ = true;
    resize(outerSize_ - frame);
    move(property("Left").toInt(), property("Top").toInt());
}

std::string TForm1::SwitchCaption(int n) const
{
    return ToAnsi(Switch(n)->text());
}

void TForm1::SetSwitchCaption(int n, const std::string& caption)
{
    Switch(n)->setText(FromAnsi(caption));
}

void TForm1::SetFieldText(Field field, const std::string& text)
{
    QLineEdit* edit = fields_.at(static_cast<std::size_t>(field));
    // The character field draws what a character looks like; the text itself stays the byte.
    edit->setText(field == Field::Edit1 ? QString::fromStdString(CharacterPicture(text))
                                        : FromAnsi(text));
    const QString explanation = QString::fromStdString(ExplainField(field, text));
    edit->setToolTip(explanation);
    edit->setAccessibleDescription(explanation);
}

std::string TForm1::DecimalText() const
{
    return ToAnsi(ui.Edit2->text());
}

std::int16_t TForm1::UpDownPosition() const
{
    return ui.UpDown2->Position();
}

void TForm1::SetUpDownPosition(std::int16_t position)
{
    ui.UpDown2->setPosition(position);
}
