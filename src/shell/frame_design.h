#pragma once

#include "platform/design.h"

#include <vector>

// The pieces of design every drill window has, in its own places.
namespace shell {

// A window built from its parts, in design order: the first lies on top.
platform::WindowDesign windowOf(const QString& caption, int clientHeight,
                                std::initializer_list<std::vector<platform::ControlDesign>> parts);

// The three faces on one spot: neutral, smiling, sad, in that stacking order.
std::vector<platform::ControlDesign> faceImages(int left, int top, const char* neutral = "Image1",
                                                const char* smiling = "Image2",
                                                const char* sad = "Image3");
// The link to the main menu and the link to the window's own menu, with the captions of
// the range (up to 10 or up to 20).
platform::ControlDesign mainMenuLink(const char* name, int left, int top, bool upTo20,
                                     int width = 2895);
platform::ControlDesign subMenuLink(const char* name, int left, int top, bool upTo20,
                                    int width = 1815);
platform::ControlDesign creditLineLabel(const char* name, int left, int top, int width,
                                        int height = 615);

} // namespace shell
