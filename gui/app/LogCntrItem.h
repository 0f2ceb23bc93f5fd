#pragma once

namespace gridtally::gui {

class CYardbookDoc;

// An object embedded in a game's rich text. A log is plain text and holds none; the
// document would make one per object.
class LogCntrItem {
public:
    explicit LogCntrItem(CYardbookDoc* container) : container_(container) {}
    CYardbookDoc* container() const { return container_; }

private:
    CYardbookDoc* container_;
};

}  // namespace gridtally::gui
