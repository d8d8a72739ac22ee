#include "cli/usage.h"

namespace quarvel::cli {
namespace {

constexpr std::string_view kSynopsis =
    "usage: quarvel-calc cdv  --clock TEXT --baud-index N [--baud TEXT] --prescaler P\n"
    "                         [--mmcrh TEXT] --source N [--check PCT] [--json]\n"
    "       quarvel-calc baud --clock TEXT --cdv TEXT --prescaler P [--mmcrh TEXT] [--json]\n"
    "       quarvel-calc table --clock TEXT [--source N] [--json]\n"
    "       quarvel-calc decode (--bcr HEX | --mmcrh HEX) [--json]\n"
    "       quarvel-calc --help\n";

constexpr std::string_view kHelp =
    "usage: quarvel-calc cdv  --clock TEXT --baud-index N [--baud TEXT] --prescaler P\n"
    "                         [--mmcrh TEXT] --source N [--check PCT] [--json]\n"
    "       quarvel-calc baud --clock TEXT --cdv TEXT --prescaler P [--mmcrh TEXT] [--json]\n"
    "       quarvel-calc table --clock TEXT [--source N] [--json]\n"
    "       quarvel-calc decode (--bcr HEX | --mmcrh HEX) [--json]\n"
    "       quarvel-calc --help\n"
    "\n"
    "Commands\n"
    "  cdv     the divisor CDV and the BCR value for a baud rate; prints CDV and BCR (hex),\n"
    "          then ACTUAL, the rate that CDV really gives, and ERROR, its deviation in percent\n"
    "  baud    the baud rate that a CDV gives; prints BAUD (decimal)\n"
    "  table   every fixed rate against x1, x8, x16 and x32: CDV, BCR, actual rate, error\n"
    "  decode  the fields of a BCR value (CDV, bit 16, clock source) or of an MMCRH value\n"
    "          (RCDV, TCDV, prescaler factor)\n"
    "\n"
    "Options\n"
    "  --clock TEXT       clock frequency in Hz (decimal)\n"
    "  --baud-index N     the fixed-baud-rate list: position 0 to 10 (2400 4800 9600 19200\n"
    "                     38400 57600 115200 230400 460800 921600 OTHER), or an item's text.\n"
    "                     A number 0 to 10 is always the position; 115200 or OTHER are texts.\n"
    "  --baud TEXT        the typed baud rate (decimal), read only with OTHER (position 10)\n"
    "  --prescaler P      x1, x8, x16, x32, or mmcrh to take it from --mmcrh\n"
    "  --mmcrh TEXT       MMCRH value (hex), read only with --prescaler mmcrh\n"
    "  --source N         the clock-source list: 0 BCLK_in, 1 TCLK, 2 SCLK0, 3 \"other clock\";\n"
    "                     the position or the item's text (default 0 for table)\n"
    "  --cdv TEXT         CDV (hex)\n"
    "  --bcr HEX          BCR value to decode (a leading \"???\" is allowed)\n"
    "  --check PCT        exit 3 when the rate error's magnitude exceeds PCT percent\n"
    "  --json             print the results, or the failure, as one JSON object\n"
    "  --help             this text\n"
    "\n"
    "Every TEXT is read as the window program reads its field: only the first 19 characters\n"
    "count; leading white space and one sign are skipped, hex may start with 0x, and reading\n"
    "stops at the first character that is no digit (no digits read as 0). Values are 32-bit.\n"
    "Write --opt VALUE or --opt=VALUE; a VALUE that begins with \"-\" or is empty needs the "
    "\"=\".\n"
    "\n"
    "Exit status: 0 success, 1 the calculation failed (its message goes to stderr),\n"
    "2 bad usage, 3 the --check limit was exceeded.\n";

}  // namespace

std::string_view UsageText() {
    return kSynopsis;
}

std::string_view HelpText() {
    return kHelp;
}

}  // namespace quarvel::cli
