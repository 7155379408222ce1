// Making ten on the abacus: what the pupil sees at every pause of the bead animations.
#include "platform/twips.h"
#include "support/test_program.h"

#include <array>
#include <gtest/gtest.h>
#include <map>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

using namespace platform;
using testing_support::Pupil;

namespace {

constexpr int kSlotOfBead1 = 5880;

int slotTop(int k) {
    return kSlotOfBead1 - 480 * (k - 1);
}

// Where bead k stands at each pause of its way from the store to its slot.
std::vector<QPoint> placing(int k) {
    std::vector<QPoint> path;
    for (int x = 4920; x >= 3240; x -= 40)
        path.push_back({x, 840});
    for (int y = 840; y <= slotTop(k); y += 40)
        path.push_back({3240, y});
    return path;
}

// ... and of its way from its slot to the foot of the tens rod.
std::vector<QPoint> carrying(int k) {
    std::vector<QPoint> path;
    for (int y = slotTop(k); y >= 840; y -= 40)
        path.push_back({3240, y});
    for (int x = 3240; x >= 1920; x -= 40)
        path.push_back({x, 840});
    for (int y = 840; y <= 5880; y += 40)
        path.push_back({1920, y});
    return path;
}

// What the pupil sees during one pause.
struct Seen {
    int ms = 0;
    std::array<QPoint, 11> bead{}; // Left, Top of Image1 to Image10
    std::array<bool, 11> shown{};
    QString units, tens, itemCount;
    bool exchangeCaption = false, tenMark = false, tenBead = false;
    QString face;
};

// Records every pause with the window as it is then, and checks that whatever changed since
// the pause before has been painted by the time the pause begins.
class Recorder : public QObject {
public:
    explicit Recorder(Pupil& pupil) : pupil_(pupil) {
        pupil.services().onSleep = [this](int ms) { paused(ms); };
    }

    // Starts watching the window now loaded.
    void watch() {
        QWidget* window = pupil_.current().window();
        if (window != watched_) {
            window->installEventFilter(this);
            watched_ = window;
        }
        // Only a window on the screen is painted.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        last_ = looks();
        painted_ = QRegion();
    }

    std::vector<Seen> seen;
    int unpainted = 0;
    std::string firstUnpainted;
    std::function<void(std::size_t pause)> during; // runs inside each pause

    void clear() { seen.clear(); }
    std::vector<int> pauses() const {
        std::vector<int> ms;
        for (const Seen& s : seen)
            ms.push_back(s.ms);
        return ms;
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent*>(e)->region();
        return false;
    }

private:
    struct Look {
        QRect area;
        bool visible;
        QString caption;
    };

    std::map<QString, Look> looks() const {
        std::map<QString, Look> all;
        for (const auto& c : pupil_.current().window()->controls()) {
            if (c->kind() != ControlClass::Label && c->kind() != ControlClass::Image)
                continue;
            const auto* label = dynamic_cast<const Label*>(c.get());
            all[c->name()] = {c->pixelRect(), c->isVisible(), label ? label->caption() : QString()};
        }
        return all;
    }

    void paused(int ms) {
        Form& form = pupil_.current();
        Seen s;
        s.ms = ms;
        for (int k = 1; k <= 10; ++k) {
            const Control& bead = form.control(QStringLiteral("Image%1").arg(k));
            s.bead[k] = {bead.left(), bead.top()};
            s.shown[k] = bead.isVisible();
        }
        s.units = pupil_.caption("Label25");
        s.tens = pupil_.caption("Label26");
        s.itemCount = pupil_.caption("Label22");
        s.exchangeCaption = pupil_.visible("Label23");
        s.tenMark = pupil_.visible("Label24");
        s.tenBead = pupil_.visible("Image14");
        s.face = pupil_.face("Image13", "Image12", "Image11");
        seen.push_back(s);

        const auto now = looks();
        for (const auto& [name, look] : now) {
            const Look& before = last_[name];
            if (look.area == before.area && look.visible == before.visible &&
                look.caption == before.caption)
                continue;
            QRegion needed;
            if (before.visible)
                needed += before.area;
            if (look.visible)
                needed += look.area;
            if (!(needed - painted_).isEmpty() && unpainted++ == 0)
                firstUnpainted = name.toStdString() + " at pause " + std::to_string(seen.size());
        }
        last_ = now;
        painted_ = QRegion();
        if (during)
            during(seen.size() - 1);
    }

    Pupil& pupil_;
    QWidget* watched_ = nullptr;
    std::map<QString, Look> last_;
    QRegion painted_;
};

class MakeTenOnTheAbacus : public ::testing::Test {
protected:
    void SetUp() override {
        pupil.open(26);
        recorder.watch();
    }
    // Asks for an item giving `units` (1 to 9).
    void newItem(int units) {
        pupil.script({Pupil::pick(units - 1, 10)});
        pupil.click("Label17");
    }
    QString face() { return pupil.face("Image13", "Image12", "Image11"); }

    // Checks that the pauses from `at` on show bead k one step further along `path` each,
    // with no other bead moving; moves `at` past them.
    void expectSlide(std::size_t& at, int k, const std::vector<QPoint>& path) {
        SCOPED_TRACE(testing::Message() << "bead " << k << " from pause " << at);
        ASSERT_LE(at + path.size(), recorder.seen.size());
        int off = 0;
        for (std::size_t i = 0; i < path.size(); ++i) {
            const Seen& s = recorder.seen[at + i];
            if (s.ms != 1 || s.bead[k] != path[i] || !s.shown[k])
                ++off;
            // At a slide's first pause the other beads may have been put back to the store.
            if (i > 0) {
                const Seen& before = recorder.seen[at + i - 1];
                for (int other = 1; other <= 10; ++other)
                    if (other != k && s.bead[other] != before.bead[other])
                        ++off;
            }
        }
        EXPECT_EQ(off, 0);
        at += path.size();
    }

    // The state of the abacus once the exchange is over.
    void expectExchanged() {
        for (int k = 1; k <= 10; ++k) {
            const Control& bead = pupil.current().control(QStringLiteral("Image%1").arg(k));
            EXPECT_EQ(QPoint(bead.left(), bead.top()), QPoint(1920, 5880)) << k;
            EXPECT_TRUE(bead.isVisible()) << k;
        }
        EXPECT_TRUE(pupil.visible("Image14"));
        EXPECT_EQ(pupil.caption("Label25"), "0");
        EXPECT_EQ(pupil.caption("Label26"), "1");
        EXPECT_FALSE(pupil.visible("Label23"));
        EXPECT_FALSE(pupil.visible("Label24"));
        for (int k = 1; k <= 9; ++k)
            EXPECT_FALSE(pupil.visible(QStringLiteral("Label%1").arg(k))) << k;
        EXPECT_TRUE(pupil.enabled("Label17"));
        EXPECT_EQ(face(), "smiling");
    }

    Pupil pupil;
    Recorder recorder{pupil};
};

TEST_F(MakeTenOnTheAbacus, BeforeTheFirstItemTheAbacusIsBare) {
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(pupil.visible(QStringLiteral("Image%1").arg(k))) << k;
    for (const char* name :
         {"Label1", "Label9", "Label23", "Label24", "Image14", "Image11", "Image12", "Image13"})
        EXPECT_FALSE(pupil.visible(name)) << name;
    for (const char* name : {"Label21", "Label19", "Label15", "Label16", "Label10", "Label20"})
        EXPECT_TRUE(pupil.visible(name)) << name;
    EXPECT_EQ(pupil.caption("Label21"), "da");
    EXPECT_EQ(pupil.caption("Label15"), "AGGIUNGO");
    EXPECT_EQ(pupil.caption("Label25"), "");
    EXPECT_EQ(pupil.caption("Label26"), "");
    EXPECT_FALSE(pupil.enabled("Text1"));
    EXPECT_EQ(pupil.current().control("Label17").toolTip(), QString::fromUtf8("DAMMI LE UNITÀ"));
    pupil.click("Label18");
    EXPECT_EQ(pupil.services().ends, 1);
}

TEST_F(MakeTenOnTheAbacus, TheGivenBeadsSlideInOneAfterTheOtherEveryStepShown) {
    newItem(3);
    ASSERT_EQ(recorder.seen.size(), 170u + 158u + 146u);
    std::size_t at = 0;
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(recorder.seen[at].units, QString::number(k));
        expectSlide(at, k, placing(k));
    }
    // The face comes only after the beads: before the first item there is none.
    EXPECT_EQ(recorder.seen.back().face, "none");
    EXPECT_EQ(recorder.seen.front().tens, "");
    EXPECT_EQ(recorder.unpainted, 0) << recorder.firstUnpainted;
    EXPECT_EQ(face(), "neutral");
    EXPECT_TRUE(pupil.visible("Label3"));
    EXPECT_FALSE(pupil.visible("Label2"));
    EXPECT_EQ(pupil.caption("Label25"), "3");
    EXPECT_EQ(pupil.caption("Label22"), ""); // "SU" waits for a digit key-up
    for (int k = 4; k <= 10; ++k)
        EXPECT_FALSE(pupil.visible(QStringLiteral("Image%1").arg(k))) << k;
    EXPECT_FALSE(pupil.enabled("Label17"));
    EXPECT_TRUE(pupil.enabled("Text1"));
    EXPECT_EQ(pupil.focusedBox(), ""); // nothing moves the focus

    // The ten: 3 given, 7 typed, then the next item of nine beads.
    pupil.clickInto("Text1");
    pupil.pressKeypad(7);
    recorder.clear();
    newItem(9);
    EXPECT_EQ(recorder.seen.size(), 1098u);
    at = 0;
    for (int k = 1; k <= 9; ++k)
        expectSlide(at, k, placing(k));
    // The previous item's face stays while they slide, and the ten bead has gone at once.
    EXPECT_EQ(recorder.seen.front().face, "smiling");
    EXPECT_FALSE(recorder.seen.front().tenBead);
    EXPECT_EQ(recorder.seen.front().tens, "");
    EXPECT_EQ(recorder.unpainted, 0) << recorder.firstUnpainted;
    EXPECT_TRUE(pupil.visible("Label9"));
    EXPECT_FALSE(pupil.visible("Label3"));
}

TEST_F(MakeTenOnTheAbacus, ARightMainRowDigitCompletesTheTenPausesAndExchangesIt) {
    newItem(7);
    pupil.clickInto("Text1");
    recorder.clear();
    pupil.type("3");
    std::size_t at = 0;
    for (int k = 8; k <= 10; ++k)
        expectSlide(at, k, placing(k));
    ASSERT_LT(at, recorder.seen.size());
    const Seen& still = recorder.seen[at++];
    EXPECT_EQ(still.ms, 2000);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(still.bead[k], QPoint(3240, slotTop(k))) << k;
    EXPECT_EQ(still.units, "10");
    EXPECT_TRUE(still.exchangeCaption);
    EXPECT_TRUE(still.tenMark);
    EXPECT_EQ(still.face, "smiling");
    EXPECT_EQ(still.itemCount, "1");
    const std::size_t exchangeStart = at;
    for (int k = 10; k >= 1; --k) {
        const std::size_t lift = at;
        expectSlide(at, k, carrying(k));
        // The units digit counts down as each bead leaves the rod.
        const std::size_t slide = lift + std::size_t(127 - 12 * (k - 1));
        EXPECT_EQ(recorder.seen[slide].units, QString::number(k >= 2 ? k - 1 : 1)) << k;
    }
    EXPECT_EQ(at - exchangeStart, 2340u);
    EXPECT_EQ(at, recorder.seen.size());
    EXPECT_FALSE(recorder.seen.back().tenBead); // shown only once the last bead is down
    EXPECT_EQ(recorder.unpainted, 0) << recorder.firstUnpainted;
    expectExchanged();
    EXPECT_EQ(pupil.text("Text1"), "3");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_EQ(pupil.caption("Label22"), "1");
}

TEST_F(MakeTenOnTheAbacus, OnlyAMainRowDigitPausesAndOnlyARightAnswerEndsTheItem) {
    newItem(4);
    pupil.clickInto("Text1");
    recorder.clear();
    pupil.pressKeypad(5);
    EXPECT_EQ(face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    EXPECT_TRUE(recorder.seen.empty());
    pupil.type("2");
    EXPECT_EQ(recorder.pauses(), std::vector<int>{2000});
    EXPECT_EQ(pupil.services().beeps, 2);
    EXPECT_EQ(pupil.caption("Label22"), "1");
    // The item stays open: the chalk box takes no click.
    pupil.click("Label17");
    EXPECT_EQ(recorder.pauses(), std::vector<int>{2000});
    pupil.type("\ba");
    EXPECT_EQ(recorder.pauses(), std::vector<int>{2000});
    EXPECT_EQ(pupil.text("Text1"), "");
    // A right keypad digit: the completing and the exchange follow at once.
    recorder.clear();
    pupil.pressKeypad(6);
    EXPECT_EQ(recorder.seen.size(), 122u + 110u + 98u + 86u + 74u + 62u + 2340u);
    for (int ms : recorder.pauses())
        ASSERT_EQ(ms, 1);
    expectExchanged();
    EXPECT_EQ(pupil.caption("Label12"), ""); // right only at a later try
    EXPECT_EQ(pupil.caption("Label22"), "1");
}

TEST_F(MakeTenOnTheAbacus, InputDuringAnAnimationWaitsAndActsOnWhatItLeaves) {
    auto post = [](QWidget* to, QEvent* e) { QCoreApplication::postEvent(to, e); };
    auto postClick = [&](const char* name) {
        QWidget* w = pupil.current().window();
        const QPointF at = pupil.current().control(name).pixelRect().center();
        const QPointF global = w->mapToGlobal(at);
        post(w, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier));
        post(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier));
    };
    auto postKeypad = [&](int digit) {
        QWidget* box = pupil.current().textBox("Text1").widget();
        const Qt::Key key = Qt::Key(Qt::Key_0 + digit);
        post(box, new QKeyEvent(QEvent::KeyPress, key, Qt::KeypadModifier, QString::number(digit)));
        post(box,
             new QKeyEvent(QEvent::KeyRelease, key, Qt::KeypadModifier, QString::number(digit)));
    };

    // A click on the chalk box during the slide-in finds it disabled once it is over.
    recorder.during = [&](std::size_t pause) {
        if (pause == 100)
            postClick("Label17");
    };
    newItem(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.seen.size(), 170u + 158u);
    EXPECT_EQ(pupil.services().randomizeCalls, 1);

    // A click and a key during the exchange: the next item starts once the exchange is over,
    // and the key is judged against that item.
    pupil.clickInto("Text1");
    recorder.clear();
    recorder.during = [&](std::size_t pause) {
        if (pause == 1000) {
            pupil.script({Pupil::pick(5 - 1, 10)});
            postClick("Label17");
            postKeypad(5);
        }
    };
    pupil.pressKeypad(8);
    const std::size_t firstKey = recorder.seen.size();
    EXPECT_EQ(firstKey, 146u + 134u + 122u + 110u + 98u + 86u + 74u + 62u + 2340u);
    EXPECT_EQ(pupil.caption("Label25"), "0");
    QCoreApplication::processEvents();
    recorder.during = nullptr;
    std::size_t at = firstKey;
    for (int k = 1; k <= 5; ++k)
        expectSlide(at, k, placing(k));
    for (int k = 6; k <= 10; ++k)
        expectSlide(at, k, placing(k));
    at += 2340;
    EXPECT_EQ(at, recorder.seen.size());
    expectExchanged();
    EXPECT_EQ(pupil.caption("Label22"), "2");
    EXPECT_EQ(pupil.caption("Label12"), "2");
    EXPECT_EQ(recorder.unpainted, 0) << recorder.firstUnpainted;
}

TEST_F(MakeTenOnTheAbacus, AfterTheExchangeALaterDigitLeavesTheTenWhereItIs) {
    newItem(6);
    pupil.clickInto("Text1");
    pupil.pressKeypad(4);
    expectExchanged();
    recorder.clear();
    // The answer is frozen; the digit's key-up is judged again and pauses, nothing moves.
    pupil.type("4");
    EXPECT_EQ(pupil.text("Text1"), "4");
    EXPECT_EQ(recorder.pauses(), std::vector<int>{2000});
    expectExchanged();
    EXPECT_EQ(pupil.caption("Label12"), "1");
    pupil.pressKeypad(4);
    pupil.press(Qt::Key_Backspace);
    EXPECT_EQ(recorder.pauses(), std::vector<int>{2000});
    expectExchanged();
    // "FACCIO IL CAMBIO" does not follow the pupil into the next item.
    recorder.clear();
    newItem(5);
    for (const Seen& s : recorder.seen)
        ASSERT_FALSE(s.exchangeCaption);
    EXPECT_FALSE(pupil.visible("Label23"));
}

TEST_F(MakeTenOnTheAbacus, OverlappingKeysExchangeOnlyAFullUnitsRod) {
    newItem(5);
    pupil.clickInto("Text1");
    recorder.clear();
    QWidget* box = pupil.keyTarget();
    // The right digit held down, Shift pressed and released over it.
    QTest::sendKeyEvent(QTest::Press, box, Qt::Key_5, QStringLiteral("5"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Press, box, Qt::Key_Shift, QString(), Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Release, box, Qt::Key_Shift, QString(), Qt::NoModifier);
    EXPECT_EQ(pupil.text("Text1"), "5");
    EXPECT_TRUE(recorder.seen.empty());
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(pupil.current().control(QStringLiteral("Image%1").arg(k)).left(), 3240) << k;
    EXPECT_FALSE(pupil.visible("Image14"));
    QTest::sendKeyEvent(QTest::Release, box, Qt::Key_5, QStringLiteral("5"), Qt::NoModifier);
    std::size_t at = 0;
    for (int k = 6; k <= 10; ++k)
        expectSlide(at, k, placing(k));
    ASSERT_LT(at, recorder.seen.size());
    EXPECT_EQ(recorder.seen[at].ms, 2000);
    EXPECT_EQ(recorder.seen.size(), at + 1 + 2340);
    expectExchanged();
    EXPECT_EQ(pupil.caption("Label12"), "1");
}

TEST_F(MakeTenOnTheAbacus, TheLinksZeroTheScoreAndComingBackStartsAfresh) {
    newItem(1);
    pupil.clickInto("Text1");
    pupil.pressKeypad(9);
    EXPECT_EQ(pupil.caption("Label12"), "1");
    pupil.click("Label28");
    ASSERT_EQ(pupil.current().number(), 24);
    pupil.click("Label4"); // "Sull'abaco"
    ASSERT_EQ(pupil.current().number(), 26);
    recorder.watch();
    EXPECT_EQ(pupil.caption("Label12"), "");
    EXPECT_EQ(pupil.caption("Label25"), "");
    EXPECT_FALSE(pupil.enabled("Text1"));
    EXPECT_FALSE(pupil.visible("Image1"));
    EXPECT_FALSE(pupil.visible("Image14"));
    EXPECT_TRUE(pupil.enabled("Label17"));
    newItem(8);
    pupil.clickInto("Text1");
    pupil.pressKeypad(2);
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    pupil.click("Label27");
    EXPECT_EQ(pupil.current().number(), 5);
}

} // namespace
