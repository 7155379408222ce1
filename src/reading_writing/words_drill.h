#pragma once

#include "shell/colour_code.h"
#include "shell/exercise_frame.h"

#include <vector>

namespace reading_writing {

// A place on the window, in twips.
struct At {
    int left;
    int top;
};

// Where the parts of a digits-and-words window stand. The task (title, shown number,
// answer box and check label) comes first in the design; the chalk box, the sponge, the
// links, the score line, the faces and the credit line follow in that order.
struct WordsLayout {
    QString caption;
    int clientHeight;
    std::vector<platform::ControlDesign> task;
    shell::FrameNames names;
    QString newItemTip;
    int newItemHeight;
    bool upTo20; // which menu the sub-menu link names
    At mainMenu, subMenu;
    // "ESATTI:", its count, "SU", its count, and the empty label under the first count.
    At esatti, rightCount, su, itemCount, under;
    QString rightCountStart;
    At faces;
    int creditWidth;
};

platform::WindowDesign wordsDesign(const WordsLayout& layout);

// The control names every digits-and-words window shares: "SU" count and "ESATTI" count.
inline constexpr const char* kItemCount = "Label22";
inline constexpr const char* kRightCount = "Label12";

// The task of the windows that show the digits and take the word: the title, the number,
// the word box (at `boxLeft`, `boxWidth` wide) and "CONFERMA IL NUMERO IN LETTERE" under it.
std::vector<platform::ControlDesign> inWordsTask(int boxLeft, int boxWidth, int checkLeft);
// The task of the windows that show the word and take the digits: the title, the word (at
// `wordLeft`, `wordWidth` wide) and the digits box.
std::vector<platform::ControlDesign> inDigitsTask(int wordLeft, int wordWidth,
                                                  platform::Colour boxBack);

// What a digits-and-words window draws and how it paints it.
struct WordsRules {
    shell::Draw draw;
    // The values the chains of the shown number and of the answer box test (none: both keep
    // their design colours).
    shell::ColourChain colours;
};

// A number is drawn and shown in one written form; the pupil types the other in `Text1`.
class WordsDrill : public shell::ExerciseForm {
protected:
    // `display` is the label the number is shown in.
    WordsDrill(platform::Program& program, int number, const platform::WindowDesign& design,
               int subMenu, shell::FrameNames names, const char* display, WordsRules rules);

    void Form_Load() override;
    void bindEvents() override;

    // The new item the two directions share: the box opened and emptied, the chalk box taken
    // away, the neutral face, the count, the draw and the shown number in its colours.
    virtual void newItem();
    // The shown number, in digits or in words.
    virtual QString shown() const = 0;
    virtual void keyPress(int& keyAscii) = 0;

    platform::TextBox& answerBox() const { return textBox(QStringLiteral("Text1")); }
    QString digits() const { return QString::number(currentNumber_); }
    QString word() const { return shell::numberWord(currentNumber_); }

private:
    const char* display_;
    const WordsRules rules_;
    int currentNumber_ = 0;
};

// The digits are shown; the pupil types the word and has it judged by "CONFERMA".
class WriteInWords : public WordsDrill {
protected:
    WriteInWords(platform::Program& program, int number, const platform::WindowDesign& design,
                 int subMenu, shell::FrameNames names, WordsRules rules, AllowZ z);

    void Form_Load() override;
    void bindEvents() override;
    void newItem() override;
    QString shown() const override { return digits(); }
    void keyPress(int& keyAscii) override;

private:
    void check();

    const AllowZ z_;
};

// The word is shown; the pupil types the digits, judged as the keys come up.
class WriteInDigits : public WordsDrill {
protected:
    // Up to 20 a digit on a text shorter than the answer is no attempt.
    enum class Judged { EveryDigit, FullLength };

    WriteInDigits(platform::Program& program, int number, const platform::WindowDesign& design,
                  int subMenu, shell::FrameNames names, WordsRules rules, Judged judged);

    void bindEvents() override;
    QString shown() const override { return word(); }
    void keyPress(int& keyAscii) override;

private:
    void keyUp(int keyCode);

    const Judged judged_;
};

} // namespace reading_writing
