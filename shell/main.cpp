#include "shell/core/edition.h"
#include "shell/program_app.h"

int main(int argc, char** argv)
{
#if PROGRAMMER_EDITION_ZH
    return RunProgram(argc, argv, ChineseEdition());
#else
    return RunProgram(argc, argv, EnglishEdition());
#endif
}
