// What the pupil sees of the windows: the board, the writing on it, pointers and tips.
#include "assets/pictures.h"
#include "platform/twips.h"
#include "shell/menu_form.h"
#include "shell/windows.h"
#include "support/test_program.h"

#include <gtest/gtest.h>
#include <optional>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QToolTip>
#include <random>

using platform::ControlClass;
using platform::Form;
using testing_support::Pupil;

namespace {

const QRgb kWall = qRgb(255, 128, 64);
const QRgb kFrame = qRgb(0, 0, 0);
const QRgb kLavender = qRgb(192, 192, 255);
const QRgb kTeal = qRgb(0, 128, 128);
const QRgb kChalkBox = qRgb(0, 128, 255);
const QRgb kSponge = qRgb(128, 128, 64);
const QRgb kChalk = qRgb(255, 255, 255);

const int kShellWindows[] = {1, 5, 2, 24};

// The exit spot of each shell window: a caption-less hot spot over the sponge.
const char* exitSpotOf(int number) {
    switch (number) {
    case 1:
        return "Label5";
    case 5:
        return "Label3";
    case 2:
        return "Label20";
    default:
        return "Label5";
    }
}

QImage grabbed(Form& form) {
    return form.window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool underAnyControl(const Form& form, QPoint at) {
    for (const auto& c : form.window()->controls())
        if (c->isVisible() && c->pixelRect().adjusted(-2, -2, 2, 2).contains(at))
            return true;
    for (const auto& m : form.window()->marks())
        if (m.area.adjusted(-2, -2, 2, 2).contains(at))
            return true;
    return false;
}

// A point of the bare board near the middle that no control or drawing covers.
std::optional<QPoint> bareBoard(const Form& form) {
    for (int dy = 0; dy < 250; dy += 10)
        for (int dx = 0; dx < 360; dx += 10)
            for (QPoint at : {QPoint(400 + dx, 300 + dy), QPoint(400 - dx, 300 - dy),
                              QPoint(400 + dx, 300 - dy), QPoint(400 - dx, 300 + dy)})
                if (!underAnyControl(form, at))
                    return at;
    return std::nullopt;
}

bool sameCursor(const QCursor& a, const QCursor& b) {
    if (a.shape() != b.shape())
        return false;
    return a.shape() != Qt::BitmapCursor || a.pixmap().cacheKey() == b.pixmap().cacheKey();
}

} // namespace

TEST(LookWindows, EveryWindowLoadsFromItsDesign) {
    const std::vector<int> numbers = shell::existingForms();
    ASSERT_FALSE(numbers.empty());
    for (int number : numbers) {
        SCOPED_TRACE(testing::Message() << "Form" << number);
        Pupil pupil;
        pupil.services().free = std::mt19937(number);
        ASSERT_NO_THROW(pupil.open(number));
        pupil.settle();
        ASSERT_EQ(pupil.loadedCount(), 1);
        Form& f = pupil.current();
        EXPECT_EQ(f.number(), number);
        EXPECT_TRUE(f.window()->isVisible());
        EXPECT_TRUE(f.window()->windowTitle().startsWith(QStringLiteral("vesk - Aritmetica")))
            << f.window()->windowTitle().toStdString();
        EXPECT_EQ(f.window()->size(), QSize(platform::toPixels(f.design().clientWidth),
                                            platform::toPixels(f.design().clientHeight)));
        EXPECT_EQ(f.window()->controls().size(), f.design().controls.size());
        for (const auto& d : f.design().controls)
            EXPECT_NO_THROW(f.control(d.name)) << d.name.toStdString();
    }
}

TEST(LookBoard, EveryWindowShowsTheBlackboardCutAtItsHeight) {
    for (int number : shell::existingForms()) {
        SCOPED_TRACE(testing::Message() << "Form" << number);
        Pupil pupil;
        pupil.services().free = std::mt19937(number);
        Form& f = pupil.open(number);
        const QImage image = grabbed(f);
        EXPECT_EQ(image.width(), f.design().clientWidth / 15);
        EXPECT_EQ(image.height(), f.design().clientHeight / 15);
        const struct {
            QPoint at;
            QRgb colour;
            const char* region;
        } probes[] = {
            {{2, 2}, kWall, "wall"},
            {{789, 300}, kWall, "wall"},
            {{3, 450}, kWall, "wall"},
            {{6, 100}, kFrame, "frame line"},
            {{400, 5}, kFrame, "frame line"},
            {{8, 100}, kLavender, "band"},
            {{400, 8}, kLavender, "band"},
            {{783, 200}, kLavender, "band"},
            {{121, 541}, kSponge, "sponge"},
            {{140, 530}, kSponge, "sponge"},
            {{60, 548}, kChalkBox, "chalk box"},
            {{60, 560}, kChalkBox, "chalk box"},
        };
        for (const auto& p : probes) {
            if (p.at.y() >= image.height() || underAnyControl(f, p.at))
                continue;
            EXPECT_EQ(image.pixel(p.at), p.colour)
                << p.region << " at " << p.at.x() << "," << p.at.y();
        }
        const std::optional<QPoint> bare = bareBoard(f);
        ASSERT_TRUE(bare);
        EXPECT_EQ(image.pixel(*bare), kTeal) << bare->x() << "," << bare->y();
    }
}

TEST(LookBoard, EveryLabelWritesInChalk) {
    for (int number : kShellWindows) {
        SCOPED_TRACE(testing::Message() << "Form" << number);
        Pupil pupil;
        Form& f = pupil.open(number);
        const QImage image = grabbed(f);
        for (const auto& c : f.window()->controls()) {
            if (c->kind() != ControlClass::Label || c->name() == exitSpotOf(number))
                continue;
            SCOPED_TRACE(c->name().toStdString());
            EXPECT_FALSE(f.label(c->name()).caption().isEmpty());
            const QRect r = c->pixelRect() & image.rect();
            int chalk = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    chalk += image.pixel(x, y) == kChalk;
            EXPECT_GT(chalk, 20);
        }
    }
}

TEST(LookBoard, ExitSpotsLeaveTheSpongeAsItIs) {
    for (int number : kShellWindows) {
        SCOPED_TRACE(testing::Message() << "Form" << number);
        Pupil pupil;
        Form& f = pupil.open(number);
        const QImage window = grabbed(f);
        QImage board(800, 600, QImage::Format_RGB32);
        QPainter painter(&board);
        assets::paintBlackboard(painter);
        painter.end();
        const QRect spot = f.control(exitSpotOf(number)).pixelRect() & window.rect();
        ASSERT_FALSE(spot.isEmpty());
        EXPECT_EQ(window.copy(spot), board.copy(spot));
    }
}

TEST(LookCursors, TheHandPointsOverWhatAnswersAClick) {
    const QCursor hand = assets::cursor(assets::Pointer::PointingHand);
    const QCursor arrow = assets::cursor(assets::Pointer::Arrow);
    const struct {
        int number;
        std::vector<const char*> hands;
        std::vector<const char*> arrows;
    } windows[] = {
        {1, {"Label1", "Label5"}, {"Label2", "Label3", "Label4", "Label6"}},
        {5, {"Label1", "Label2", "Label3"}, {"Label4"}},
        {2,
         {"Label2",  "Label3",  "Label25", "Label4",  "Label5",  "Label6",  "Label7",  "Label8",
          "Label9",  "Label21", "Label22", "Label11", "Label12", "Label13", "Label23", "Label14",
          "Label16", "Label15", "Label17", "Label18", "Label24", "Label26", "Label20"},
         {"Label1", "Label10", "Label19"}},
        {24,
         {"Label3",  "Label4",  "Label8",  "Label7",  "Label9",  "Label10", "Label11",
          "Label12", "Label13", "Label21", "Label22", "Label14", "Label16", "Label17",
          "Label23", "Label19", "Label18", "Label24", "Label25", "Label5"},
         {"Label1", "Label2", "Label6", "Label15", "Label20"}},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(testing::Message() << "Form" << w.number);
        Pupil pupil;
        Form& f = pupil.open(w.number);
        const QWidget* window = f.window();
        // Alternating with the bare board shows that each pointer really changes.
        const QPoint bare = *bareBoard(f);
        for (const char* name : w.hands) {
            pupil.moveMouse(bare);
            EXPECT_TRUE(sameCursor(window->cursor(), arrow)) << name;
            pupil.moveMouse(testing_support::centreOf(f.control(name)));
            EXPECT_TRUE(sameCursor(window->cursor(), hand)) << name;
        }
        for (const char* name : w.arrows) {
            pupil.moveMouse(testing_support::centreOf(f.control(w.hands.front())));
            EXPECT_TRUE(sameCursor(window->cursor(), hand)) << name;
            pupil.moveMouse(testing_support::centreOf(f.control(name)));
            EXPECT_TRUE(sameCursor(window->cursor(), arrow)) << name;
        }
        // Every clickable label of the window is among the hands above.
        int clickable = 0;
        for (const auto& c : f.window()->controls())
            clickable += c->pointer() == assets::Pointer::PointingHand;
        EXPECT_EQ(clickable, int(w.hands.size()));
    }
}

TEST(LookTips, HotSpotsExplainThemselves) {
    const struct {
        int number;
        const char* control;
        const char* tip;
    } tips[] = {
        {1, "Label1", "VAI AL MENU PRINCIPALE"},
        {1, "Label5", "ESCI"},
        {5, "Image1", "PAGINA INIZIALE"},
        {5, "Label3", "ESCI"},
        {2, "Label20", "ESCI"},
        {24, "Label5", "ESCI"},
    };
    for (const auto& t : tips) {
        SCOPED_TRACE(testing::Message() << "Form" << t.number << " " << t.control);
        Pupil pupil;
        Form& f = pupil.open(t.number);
        EXPECT_EQ(f.control(t.control).toolTip(), QString::fromUtf8(t.tip));
        // Resting the pointer there shows the tip.
        QWidget* window = f.window();
        const QPoint at = testing_support::centreOf(f.control(t.control));
        QHelpEvent help(QEvent::ToolTip, at, window->mapToGlobal(at));
        QApplication::sendEvent(window, &help);
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8(t.tip));
        QToolTip::hideText();
    }
    // Headings and entries have no tip.
    Pupil pupil;
    Form& f = pupil.open(2);
    for (const char* name : {"Label10", "Label11", "Label26"}) {
        EXPECT_TRUE(f.control(name).toolTip().isEmpty()) << name;
        const QPoint at = testing_support::centreOf(f.control(name));
        QHelpEvent help(QEvent::ToolTip, at, f.window()->mapToGlobal(at));
        QApplication::sendEvent(f.window(), &help);
        EXPECT_FALSE(QToolTip::isVisible()) << name;
    }
}
