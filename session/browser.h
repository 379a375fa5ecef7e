// The default web browser, found once at start-up for the browser tool.
#pragma once
#include <string>

namespace session {

// Empty when no program opens web pages.
extern std::string BrowserPath;
// The browser's conversation service: "NETSCAPE" or "IExplore"; empty with no browser.
extern std::string BrowserKind;

// Asks the shell which program opens an ".htm" file.
void DetectDefaultBrowser();

}  // namespace session
