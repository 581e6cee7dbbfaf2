#pragma once

namespace veritom {

class CColorListBox;

// Makes the list at least as wide as its widest line with its tab stops, so no line is cut.
void WidenToLines(CColorListBox& list);

}  // namespace veritom
