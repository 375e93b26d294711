// A picture of the main window for the smoke run (scripts/screenshot.sh), driven by two
// environment variables:
//   LUMIVUE_SCREENSHOT=<file.png>   maximize the active view's window, save a picture of the
//                                    main window there, then quit;
//   LUMIVUE_SCREENSHOT_WORD=<word>  first look the word up through the input bar and select and
//                                    expand its first meaning;
//   LUMIVUE_SCREENSHOT_TAB=<0-4>    the information bar's tab to show (Gloss when absent);
//   LUMIVUE_SCREENSHOT_RIGHT=<code> in a multilingual view: the right side's language, chosen
//                                    before the look-up, and Find Equivalences after it;
//   LUMIVUE_SCREENSHOT_SIZE=default  keep the size the settings give the window (the default one
//                                    with no settings) and the view window's own size;
//   LUMIVUE_SCREENSHOT_MENU=<title>  open the menu of the menu bar with that title (without "&")
//                                    and take the whole screen, so that the menu is in the picture.
// Otherwise the window is given 1280 by 900 pixels first, so that the picture is the same on
// every display.
// Without LUMIVUE_SCREENSHOT nothing happens.
#pragma once

class CMainFrame;

class ScreenshotHook {
 public:
  // Schedules the look-up and the picture once the event loop runs; the program quits with
  // status 0 when the picture was saved, else 1.
  static void Arm(CMainFrame& frame);
};
