// solvane-board's commands that change the countdowns, for people who live in
// a terminal or a status bar: the same transactional edit of the stored list
// as the window's, then the widget host asked to reload.
//
//   solvane-board add --label "Trip to Lisbon" --date 2027-05-02 --end 2027-05-09
//   solvane-board add --label "Mum's birthday" --date 1958-03-14 --yearly --symbol gift
//   solvane-board add --label Thanksgiving
//       --rule '{"nthWeekday":{"n":4,"weekday":5,"month":11,"offset":0}}'
//   solvane-board remove 3F2504E0-4F89-41D3-9A0C-0305E82C3301
//   solvane-board list --json
//
// Exit status: 0 done, 1 nothing to remove or the list is full, 2 bad
// arguments, 3 the store could not be read or written.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/board_cli.h"

namespace solvane::cli {

// add --label TEXT (--date YYYY-MM-DD [--end YYYY-MM-DD] | --rule JSON)
//     [--symbol NAME] [--yearly]: prints the new countdown's id.
int addCommand(const Arguments& args, const Environment& env, std::ostream& out, std::ostream& err);
// remove ID
int removeCommand(const Arguments& args, const Environment& env, std::ostream& out,
                  std::ostream& err);
// list [--json] [--at ISO8601] [--tz ZONE] [--locale LOCALE]: ids, labels
// and next dates, in list order.
int listCommand(const Arguments& args, const Environment& env, std::ostream& out,
                std::ostream& err);

}  // namespace solvane::cli
