#pragma once

#include "handlers.h"
#include "ui_tform1.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;

// The main window: the layout's 42 controls, the handlers bound to their events, and the
// controls offered to the handlers. It computes nothing the handlers compute.
class TForm1 : public QWidget, private FormControls, public ByteHandlers {
    Q_OBJECT

public:
    // Builds every control from the layout, binds the events, then runs FormCreate.
    explicit TForm1(QWidget* parent = nullptr);

    // Switch n, 1..8.
    QPushButton* Switch(int n) const { return switches_.at(static_cast<std::size_t>(n - 1)); }

protected:
    bool event(QEvent* event) override;

private:
    std::string SwitchCaption(int n) const override;
    void SetSwitchCaption(int n, const std::string& caption) override;
    // Shows text in the field, and says in its tooltip what it means.
    void SetFieldText(Field field, const std::string& text) override;
    std::string DecimalText() const override;
    std::int16_t UpDownPosition() const override;
    void SetUpDownPosition(std::int16_t position) override;

    // Runs a handler; an error escaping it goes to the application's message box, since Qt's
    // event dispatch must not be unwound by an exception.
    template <class Handler> void Run(Handler handler);
    void BindKeys();
    void ApplyFontHeights();
    void SizeLabelsToText();
    void FitOuterSize();

    Ui::TForm1 ui;
    std::array<QPushButton*, 8> switches_;
    std::array<QLineEdit*, 4> fields_;
    QSize outerSize_;
    bool outerSizeFitted_ = false;
};
