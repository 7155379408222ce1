#include "shell/frame_design.h"

#include "shell/menu_form.h"

namespace shell {

using namespace platform;

WindowDesign windowOf(const QString& caption, int clientHeight,
                      std::initializer_list<std::vector<ControlDesign>> parts) {
    WindowDesign d{.caption = caption, .clientHeight = clientHeight};
    for (const std::vector<ControlDesign>& part : parts)
        d.controls.insert(d.controls.end(), part.begin(), part.end());
    return d;
}

std::vector<ControlDesign> faceImages(int left, int top, const char* neutral, const char* smiling,
                                      const char* sad) {
    return {
        image(neutral, left, top, 1200, 1185).showing(assets::Picture::NeutralFace, true),
        image(smiling, left, top, 1200, 1185).showing(assets::Picture::SmilingFace, true),
        image(sad, left, top, 1215, 1215).showing(assets::Picture::SadFace, true),
    };
}

namespace {
ControlDesign link(const char* name, int left, int top, int width, const QString& caption) {
    return boardText(name, left, top, width, 255, caption, 9.75).centred().clickable();
}
} // namespace

ControlDesign mainMenuLink(const char* name, int left, int top, bool upTo20, int width) {
    return link(name, left, top, width,
                upTo20 ? QStringLiteral("TORNA A MENU PRINCIPALE")
                       : QStringLiteral("VAI A MENU PRINCIPALE"));
}

ControlDesign subMenuLink(const char* name, int left, int top, bool upTo20, int width) {
    return link(name, left, top, width,
                upTo20 ? QStringLiteral("TORNA A MENU20") : QStringLiteral("TORNA A MENU10"));
}

ControlDesign creditLineLabel(const char* name, int left, int top, int width, int height) {
    return boardText(name, left, top, width, height, creditLine(), 9.75).centred();
}

} // namespace shell
