// Every caption shows whole: no label cuts off any ink of its own caption, in any window,
// as it opens and, in a drill, once an item is on the board.
#include "shell/windows.h"
#include "support/test_program.h"

#include <gtest/gtest.h>
#include <QImage>
#include <random>
#include <string>

using platform::Form;
using testing_support::Pupil;

namespace {

QImage grabbed(Form& form) {
    return form.window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where the window as shown differs from the same window with its captions drawn past their
// labels' edges, and the captioned labels there. Empty when every caption shows whole.
std::string inkCutOff(Form& form) {
    // Form27's rod of 0 is a 3-pixel bar whose caption was never meant to be read: it is left
    // out of both pictures.
    platform::Control* bar =
        form.number() == 27 ? &form.control(QStringLiteral("Label10")) : nullptr;
    const bool barShown = bar && bar->isVisible();
    if (barShown)
        bar->setVisible(false);
    // A glyph too large for the glyph cache may come out antialiased a little differently the
    // first time it is drawn: a first grab draws every glyph once.
    grabbed(form);
    const QImage shown = grabbed(form);
    platform::setCaptionsUnclipped(true);
    const QImage unclipped = grabbed(form);
    platform::setCaptionsUnclipped(false);
    if (barShown)
        bar->setVisible(true);
    QRect box;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != unclipped.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    if (box.isEmpty())
        return {};
    QString found = QStringLiteral("ink cut off in %1x%2 at %3,%4, beside")
                        .arg(box.width())
                        .arg(box.height())
                        .arg(box.x())
                        .arg(box.y());
    for (const auto& c : form.window()->controls())
        if (c->kind() == platform::ControlClass::Label && c->isVisible() &&
            !static_cast<const platform::Label&>(*c).caption().isEmpty() &&
            box.intersects(c->pixelRect().adjusted(-2, -2, 2, 2)))
            found += QLatin1Char(' ') + c->name();
    return found.toStdString();
}

} // namespace

TEST(LookCaptions, EveryCaptionShowsWhole) {
    for (int number : shell::existingForms()) {
        Pupil pupil;
        pupil.services().free = std::mt19937(number);
        Form& f = pupil.open(number);
        EXPECT_EQ(inkCutOff(f), "") << "Form" << number << " as it opens";
        if (pupil.askForItem()) {
            EXPECT_EQ(inkCutOff(f), "") << "Form" << number << " with an item";
        }
    }
}
