#pragma once

// Window geometry of the suite is in twips, 1440 to the inch.
namespace vb {

constexpr int kTwipsPerInch = 1440;

// Twips per pixel across the screen: 15 at 96 dots per inch.
double TwipsPerPixelX();
// Rounded pixel count of a length in twips; 0 when the screen gives no factor.
int PixelsFromTwips(double twips);
double TwipsFromPixels(double pixels);

}  // namespace vb
