#pragma once

class BarAppearance;
class BarPropertyBag;

// The bar's layout and style properties as its window saves them: every
// name written with its alias names, a value equal to its default left out.
// Reading takes the aliases in turn, each defaulting to the one before.
namespace SavedAppearance {

// Captions, orientation, sizes, gaps, group break, icon size, theme and colours.
void WriteLayout(const BarAppearance& appearance, BarPropertyBag& bag);
// The context names, DebugMode and EstiloVSCode.
void WriteContext(const BarAppearance& appearance, BarPropertyBag& bag);

// Captions, orientation, sizes, gaps, group break and icon size. The theme
// and the colours are not read: the settings file chooses them.
void ReadLayout(const BarPropertyBag& bag, BarAppearance& appearance);
void ReadContext(const BarPropertyBag& bag, BarAppearance& appearance);

}  // namespace SavedAppearance
