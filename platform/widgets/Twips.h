#pragma once

namespace zav {

// Twips are 1440 to the inch; the screen's logical resolution turns them into pixels.
int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
int pixelsToTwipsX(int pixels);
int pixelsToTwipsY(int pixels);

} // namespace zav
