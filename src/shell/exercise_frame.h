#pragma once

#include "platform/form.h"
#include "platform/program.h"

#include <climits>
#include <cstdint>

namespace shell {

// A draw: Int(Rnd * k + offset), drawn again while the value lies outside [min, max].
struct Draw {
    int k;
    int offset = 0;
    int max = INT_MAX;
    int min = INT_MIN;
};

// The three faces lie on one spot; which one the pupil sees.
enum class Face { Neutral, Smiling, Sad };

// Control names of the frame, the same in every drill window.
struct FrameNames {
    const char* newItem = "Label9";
    const char* exit = "Label10";
    const char* mainMenu = "Label14";
    const char* subMenu = "Label15";
    const char* itemCount = "Label8";
    const char* rightCount = "Label4";
    const char* neutralFace = "Image1";
    const char* smilingFace = "Image2";
    const char* sadFace = "Image3";
};

// The common frame of every drill window: the score, the faces and the beep, the key
// filters, the answer test, the menu links and the exit. A window states only how it
// departs from it.
class ExerciseForm : public platform::Form {
protected:
    ExerciseForm(platform::Program& program, int number, const platform::WindowDesign& design,
                 int subMenu, FrameNames names = {});

    // Binds the links and the exit; windows that bind more call this first.
    void bindEvents() override;

    // Counts a new item after "SU". When the count reaches the wrap, the run starts again
    // with this item as its first, and the zeroed right answers show "0" at once.
    void countItem(int wrapAt = 99);
    // The counters the links zero, and the wrap with them; windows with more extend it.
    virtual void zeroScore();
    // Counts a right first attempt after "ESATTI".
    void countRight();

    void showFace(Face face);
    // The smiling face; the sad face and a beep.
    void judgedRight() { showFace(Face::Smiling); }
    void judgedWrong();

    int drawNumber(const Draw& draw);

    // The digits and Backspace pass; every other key is swallowed.
    static void digitFilter(int& keyAscii);
    // A box holding an answer of full length: a right one swallows every key, a wrong one
    // is cleared before the key lands.
    static void completeAnswerRule(platform::TextBox& box, int& keyAscii, const QString& answer,
                                   int length);
    // Right when the text has the given length and equals the answer, compared as text.
    static bool answerTest(const QString& text, const QString& answer, int length);
    static bool isDigitKey(int keyCode);
    // Attempt counters stop at their upper limit: only the first attempt is ever read.
    static void countTry(std::int16_t& counter);

    const FrameNames names;

    std::int16_t itemCount = 0;
    std::int16_t rightCount = 0;
    std::int16_t wrongCount = 0;

private:
    int subMenu_;
};

} // namespace shell
