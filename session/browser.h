// The default web browser, found once at start-up for the browser tool.
#pragma once
#include <string>

namespace session {

struct TBrowser {
  std::string path;  // empty when no program opens web pages
  std::string kind;  // its conversation service: "NETSCAPE" or "IExplore"; empty with no browser
};

// This program's answer.
TBrowser& Browser();

// Asks the shell which program opens an ".htm" file.
void DetectDefaultBrowser();

}  // namespace session
