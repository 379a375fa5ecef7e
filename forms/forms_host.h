// What the forms layer asks of the program it runs in. The program implements
// it (app/) and sets it into the forms room's state before any form opens.
#pragma once
#include "platform/types.h"

namespace forms {

class FormsHost {
 public:
  virtual ~FormsHost() = default;
  // Message windows keep quiet while Media Center fills the screen.
  virtual bool MediaCenterFillsScreen() = 0;
  // The configuration window, or none; message windows centre on it when it shows.
  virtual platform::WindowHandle ConfigurationWindow() = 0;
  // The user asked for help (F1) in a form.
  virtual void HelpRequested() = 0;
  // A preference changed in a form: WarnOnce's box gives state event 7.
  virtual void StateEvent(int code) = 0;
};

}  // namespace forms
