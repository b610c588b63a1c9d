#include "shell/main_window.h"

#include "core/calculator.h"
#include "core/platform.h"
#include "finance/function_buttons.h"
#include "panel/panel.h"
#include "shell/help_routines.h"

namespace quorvel::shell {

void RegisterHandlers(Form1& f, Module1& m) {
  calc::RegisterCalculator(f);
  panel::RegisterPanel(f);
  finance::RegisterFunctionButtons(f);
  Form1* form = &f;
  Module1* module = &m;
  f.On(Ctl::MenuHelpTopics).Click = [form] { MenuHelpTopics_Click(*form); };
  f.On(Ctl::MenuAbout).Click = [form] { MenuAbout_Click(*form); };
  f.On(Ctl::MenuExit).Click = [form, module] { MenuExit_Click(*form, *module); };
}

void Form_Load(Form1& f, Module1& m) {
  const Platform::Position placed = f.platform.MainWindowPosition();
  m.SavedLeft = placed.left;
  m.SavedTop = SavedTopFrom(placed.top);
  ReadSettings(m);
  // Without a saved position the window stays where the desktop put it.
  if (m.PositionRead) f.platform.MoveMainWindow({m.SavedLeft, static_cast<double>(m.SavedTop)});
  calc::ResetCalculator(f);
  f.Frame1.Visible = false;
  f.SetValue(Ctl::CheckPayment, 0);
}

void Form_Shown(Form1& f) { f.SetFocus(Ctl::Text1); }

void Form_Unload(Form1& f, Module1& m) {
  const Platform::Position position = f.platform.MainWindowPosition();
  WriteSettings(m, position.left, position.top);
  f.Unloading = true;
}

void MenuHelpTopics_Click(Form1& f) { ShowHelpContents(f.platform, HelpFilePath(f.platform)); }

void MenuAbout_Click(Form1& f) { f.platform.ShowAbout(); }

void MenuExit_Click(Form1& f, Module1& m) {
  const Platform::Position position = f.platform.MainWindowPosition();
  WriteSettings(m, position.left, position.top);
  f.Unloading = true;
  f.platform.EndProgram();
}

}  // namespace quorvel::shell
