/* Window classes and titles of both programs: the single-instance search and the test driver
 * find a running copy by these. UTF-8 source; wide literals. */
#ifndef QUARNIC_SHELL_PROGRAM_TITLES_H
#define QUARNIC_SHELL_PROGRAM_TITLES_H

#define KELVARIN_CLASS_NAME L"KELVARIN"
#define KELVARIN_CREATION_CAPTION L"Brellimax"
#define KELVARIN_TITLE_EN L"Quarnic Calculator"
#define KELVARIN_TITLE_JA L"クォーニック電卓"

#define OSTRAMEL_CLASS_NAME L"OSTRAMEL"
#define OSTRAMEL_CREATION_CAPTION L"Corvandel"
#define OSTRAMEL_TITLE_EN L"Quarnic Number Converter"
#define OSTRAMEL_TITLE_JA L"クォーニック進数変換"

#endif
