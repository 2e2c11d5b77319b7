// The command lines of the control panel shortcuts.
#include "system/control_panel_command.h"

#include "base/text.h"

std::string ControlPanelCommandLine(std::string_view systemDirectory, std::string_view appletCommand, int page) {
  std::string program(systemDirectory);
  if (!program.empty() && !cp936::EndsWith(program, '\\')) program += '\\';
  const std::size_t blank = appletCommand.find(' ');
  program += appletCommand.substr(0, blank);
  if (program.find(' ') != std::string::npos) program = '"' + program + '"';

  std::string line = program;
  if (blank != std::string_view::npos) line += appletCommand.substr(blank);
  line += std::to_string(page);
  return line;
}
