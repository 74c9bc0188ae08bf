#pragma once

// Twips (1440 per inch) and pixels on the primary screen: 15 twips per pixel at 96 DPI.
// Without a screen 96 DPI is assumed.
double TwipsPerPixelX();
double TwipsPerPixelY();

// Conversions rounded to the nearest whole unit.
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
int PixelsToTwipsX(double pixels);
int PixelsToTwipsY(double pixels);
