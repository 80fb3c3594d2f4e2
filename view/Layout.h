// The view's layout operations: they lay the strip out, move the view over
// it and keep the scroll bars, the title and the screen in step. The
// arithmetic itself is in Strip.h.
#ifndef FOLIVEX_LAYOUT_H
#define FOLIVEX_LAYOUT_H

#include "Strip.h"

extern ViewStateRecord ViewState;

// Lays the open document out again (fit-width, zoom ceiling, page places),
// keeping the strip point under the anchor (client coordinates) in place,
// then sets the scroll bars and the title and repaints the whole view.
void LayoutPages(int anchorX, int anchorY);

// Scrolls to strip point (x, y), clamped to the strip. The pixels already on
// screen are moved, so the next paint renders only the uncovered band.
void ScrollViewTo(int x, int y);

// The scroll bars' range, page and position from ViewState.
void UpdateScrollBars(void);

// A scroll-bar message's action (SB_LINEUP ... SB_BOTTOM) on bar SB_VERT or
// SB_HORZ; thumb positions come from the 32-bit track position.
void HandleScrollBar(int bar, int code);

// Leaves fit-width for a zoom clamped to MIN_ZOOM..MAX_ZOOM, about the
// anchor; nothing while no document is open.
void SetZoom(double zoom, int anchorX, int anchorY);

// Back to fit-width, keeping the strip point at the left of the view's
// vertical middle in place.
void FitWidth(void);

// Single pages or spreads, with the cover alone or paired, keeping the page
// named in the title at the top. It neither stores the choice nor touches
// the window menu; the commands that let the user choose do both.
void SetSpreadMode(int doublePage, int coverPaired);

// Scrolls the page's top (less PAGE_JUMP_GAP) to the top of the view and
// gives the view the focus; out-of-range pages are ignored.
void GoToPage(int index);

#endif
