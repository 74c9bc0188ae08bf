#pragma once

// Makes the face names the windows ask for resolve to installed look-alikes: Tahoma from
// the wine fonts folder (outside fontconfig's path), MS Sans Serif to that Tahoma (the
// installed MS Sans Serif is a bitmap font with fixed sizes), Arial Narrow and Verdana to
// their nearest outline fonts. Safe to call more than once.
void RegisterProgramFonts();
