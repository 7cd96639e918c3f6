#include "res/resource.h"
#include "res/stringtable.h"

// English string table (language 1033).
static const StringTableEntry kEnglish[] = {
    {IDR_MAINFRAME, "Rawcast\n\nRawcas\n\n\nRawcast.Document\nRawcas Document"},
    {IDC_OUTPUT, "Output\nOutput"},
    {AFX_IDS_APP_TITLE, "Rawcast"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},

    // Prompts of commands: status-bar text, then "\n" and the tooltip.
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_MRU_FILE1 + 0, "Open this document"},
    {ID_FILE_MRU_FILE1 + 1, "Open this document"},
    {ID_FILE_MRU_FILE1 + 2, "Open this document"},
    {ID_FILE_MRU_FILE1 + 3, "Open this document"},
    {ID_FILE_MRU_FILE1 + 4, "Open this document"},
    {ID_FILE_MRU_FILE1 + 5, "Open this document"},
    {ID_FILE_MRU_FILE1 + 6, "Open this document"},
    {ID_FILE_MRU_FILE1 + 7, "Open this document"},
    {ID_APP_ABOUT, "Show program information and the version number\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {AFX_IDS_SCSIZE, "Change the window size"},
    {AFX_IDS_SCMOVE, "Change the window position"},
    {AFX_IDS_SCMINIMIZE, "Reduce the window to an icon"},
    {AFX_IDS_SCMAXIMIZE, "Enlarge the window to full size"},
    {AFX_IDS_SCCLOSE, "Close the active window and prompts to save the documents"},
    {AFX_IDS_SCRESTORE, "Restore the window to normal size"},
    {AFX_IDS_SCTASKLIST, "Activate Task List"},
    {AFX_IDS_HIDE, "&Hide"},

    {AFX_IDS_OPENFILE, "Open"},
    {AFX_IDS_ALLFILTER, "All Files (*.*)"},
    {AFX_IDS_UNTITLED, "Untitled"},

    // Printing of a document by the platform.
    {AFX_IDS_PRINTONPORT, "on %1"},
    {AFX_IDS_PRINTPAGENUM, "Page %u"},
    {AFX_IDS_PRINTDEFAULTEXT, "prn"},
    {AFX_IDS_PRINTDEFAULT, "output.prn"},
    {AFX_IDS_PRINTFILTER, "Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||"},
    {AFX_IDS_PRINTCAPTION, "Print to File"},
    {AFX_IDS_PRINTTOFILE, "to %1"},

    {AFX_IDS_UNNAMED_FILE, "an unnamed file"},
    {AFX_IDS_MEMORY_EXCEPTION, "Out of memory."},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
    {AFX_IDP_FAILED_TO_START_PRINT, "Could not start print job."},
    {AFX_IDP_INTERNAL_FAILURE, "Internal application error."},
    {AFX_IDP_COMMAND_FAILURE, "Command failed."},
    {AFX_IDP_FAILED_MEMORY_ALLOC, "Insufficient memory to perform operation."},
    {AFX_IDP_UNREG_DONE,
     "System registry entries have been removed and the INI file (if any) was deleted."},
    {AFX_IDP_NO_ERROR_AVAILABLE, "No error message is available."},
    {AFX_IDP_PARSE_UINT, "Please enter a positive integer."},
    {IDS_PRINT_JOB_INCOMPLETE, "The print job could not be completed."},

    {IDS_PRINT_SETUP_TITLE, "Print Setup"},
    {IDS_PRINT_SETUP_PRINTER, "&Printer:"},
    {IDS_PRINT_SETUP_NAME, "Name"},
    {IDS_PRINT_SETUP_DRIVER, "Driver"},
    {IDS_PRINT_SETUP_STATUS, "Status"},
    {IDS_PRINT_SETUP_LOCATION, "Location"},
    {IDS_PRINT_SETUP_URI, "URI"},
    {IDS_PRINT_SETUP_DEFAULT, "%1 (Default)"},
    {IDS_PRINT_SETUP_NONE, "No printers are installed."},
    {IDS_PRINT_SETUP_OK, "OK"},
    {IDS_PRINT_SETUP_CANCEL, "Cancel"},

    {AFX_IDP_FILE_NONE + 1, "An unknown error occurred while accessing %1."},
    {AFX_IDP_FILE_NONE + 2, "%1 was not found."},
    {AFX_IDP_FILE_NONE + 3, "%1 contains an invalid path."},
    {AFX_IDP_FILE_NONE + 4, "%1 could not be opened because there are too many open files."},
    {AFX_IDP_FILE_NONE + 5, "Access to %1 was denied."},
    {AFX_IDP_FILE_NONE + 6, "An invalid file handle was associated with %1."},
    {AFX_IDP_FILE_NONE + 7, "%1 could not be removed because it is the current directory."},
    {AFX_IDP_FILE_NONE + 8, "%1 could not be created because the directory is full."},
    {AFX_IDP_FILE_NONE + 9, "Seek failed on %1"},
    {AFX_IDP_FILE_NONE + 10, "A hardware I/O error was reported while accessing %1."},
    {AFX_IDP_FILE_NONE + 11, "A sharing violation occurred while accessing %1."},
    {AFX_IDP_FILE_NONE + 12, "A locking violation occurred while accessing %1."},
    {AFX_IDP_FILE_NONE + 13, "Disk full while accessing %1."},
    {AFX_IDP_FILE_NONE + 14, "An attempt was made to access %1 past its end."},
};

std::span<const StringTableEntry> EnglishStringTable()
{
    return kEnglish;
}
