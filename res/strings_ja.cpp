#include "res/resource.h"
#include "res/stringtable.h"

// Japanese string table (language 1041). Half-width katakana are kept as they are.
static const StringTableEntry kJapanese[] = {
    {IDR_MAINFRAME, "Rawcast\n\nRawcas\n\n\nRawcast.Document\nRawcas Document"},
    {IDC_OUTPUT, "ﾌｧｲﾙを印刷\n印刷"},
    {AFX_IDS_APP_TITLE, "Rawcast"},
    {AFX_IDS_IDLEMESSAGE, "ﾚﾃﾞｨ"},

    // Prompts of commands: status-bar text, then "\n" and the tooltip.
    {ID_FILE_NEW, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
    {ID_FILE_OPEN, "既存のﾌｧｲﾙを開く\n開く"},
    {ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀ/印刷設定の変更\nﾌﾟﾘﾝﾀの設定"},
    {ID_FILE_PRINT, "作業中のﾌｧｲﾙを印刷\n印刷"},
    {ID_FILE_MRU_FILE1 + 0, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 1, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 2, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 3, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 4, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 5, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 6, "指定のﾌｧｲﾙを開く"},
    {ID_FILE_MRU_FILE1 + 7, "指定のﾌｧｲﾙを開く"},
    {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報とﾊﾞｰｼﾞｮﾝ番号を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {AFX_IDS_SCSIZE, "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更"},
    {AFX_IDS_SCMOVE, "ｳｨﾝﾄﾞｳの位置を変更"},
    {AFX_IDS_SCMINIMIZE, "ｳｨﾝﾄﾞｳをｱｲｺﾝ化する"},
    {AFX_IDS_SCMAXIMIZE, "ｳｨﾝﾄﾞｳを最大表示にする"},
    {AFX_IDS_SCCLOSE, "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示"},
    {AFX_IDS_SCRESTORE, "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"},
    {AFX_IDS_SCTASKLIST, "ｱﾌﾟﾘｹｰｼｮﾝの切り替え"},
    {AFX_IDS_HIDE, "&Hide"},

    {AFX_IDS_OPENFILE, "開く"},
    {AFX_IDS_ALLFILTER, "すべてのﾌｧｲﾙ (*.*)"},
    // The same English word as in the English resources.
    {AFX_IDS_UNTITLED, "Untitled"},

    // Printing of a document by the platform.
    {AFX_IDS_PRINTONPORT, "%1 に接続"},
    {AFX_IDS_PRINTPAGENUM, "%u ﾍﾟｰｼﾞ"},
    {AFX_IDS_PRINTDEFAULTEXT, "prn"},
    {AFX_IDS_PRINTDEFAULT, "output.prn"},
    {AFX_IDS_PRINTFILTER, "ﾌﾟﾘﾝﾀ ﾌｧｲﾙ (*.prn)|*.prn|すべてのﾌｧｲﾙ (*.*)|*.*||"},
    {AFX_IDS_PRINTCAPTION, "ﾌｧｲﾙへ出力"},
    {AFX_IDS_PRINTTOFILE, "%1 へ出力"},

    {AFX_IDS_UNNAMED_FILE, "無題のﾌｧｲﾙ"},
    {AFX_IDS_MEMORY_EXCEPTION, "ﾒﾓﾘが不足しています。"},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "空のﾄﾞｷｭﾒﾝﾄの作成に失敗しました。"},
    {AFX_IDP_FAILED_TO_START_PRINT, "印刷を開始できませんでした。"},
    {AFX_IDP_INTERNAL_FAILURE, "ｱﾌﾟﾘｹｰｼｮﾝの内部ｴﾗｰです。"},
    {AFX_IDP_COMMAND_FAILURE, "ｺﾏﾝﾄﾞの実行に失敗しました。"},
    {AFX_IDP_FAILED_MEMORY_ALLOC, "実行するためのﾒﾓﾘが足りません。"},
    {AFX_IDP_UNREG_DONE,
     "System registry entries have been removed and the INI file (if any) was deleted."},
    {AFX_IDP_NO_ERROR_AVAILABLE, "ｴﾗｰ ﾒｯｾｰｼﾞはありません。"},
    {AFX_IDP_PARSE_UINT, "正の整数を入力してください。"},
    {IDS_PRINT_JOB_INCOMPLETE, "印刷ｼﾞｮﾌﾞを完了できませんでした。"},

    {IDS_PRINT_SETUP_TITLE, "ﾌﾟﾘﾝﾀの設定"},
    {IDS_PRINT_SETUP_PRINTER, "ﾌﾟﾘﾝﾀ(&P):"},
    {IDS_PRINT_SETUP_NAME, "名前"},
    {IDS_PRINT_SETUP_DRIVER, "ﾄﾞﾗｲﾊﾞ"},
    {IDS_PRINT_SETUP_STATUS, "状態"},
    {IDS_PRINT_SETUP_LOCATION, "場所"},
    {IDS_PRINT_SETUP_URI, "URI"},
    {IDS_PRINT_SETUP_DEFAULT, "%1 (通常使うﾌﾟﾘﾝﾀ)"},
    {IDS_PRINT_SETUP_NONE, "ﾌﾟﾘﾝﾀがｲﾝｽﾄｰﾙされていません。"},
    {IDS_PRINT_SETUP_OK, "OK"},
    {IDS_PRINT_SETUP_CANCEL, "ｷｬﾝｾﾙ"},

    {AFX_IDP_FILE_NONE + 1, "%1 へのｱｸｾｽ中に予期しないｴﾗｰが発生しました。"},
    {AFX_IDP_FILE_NONE + 2, "%1 が見つかりません。"},
    {AFX_IDP_FILE_NONE + 3, "%1 は無効なﾊﾟｽです。"},
    {AFX_IDP_FILE_NONE + 4, "開いているﾌｧｲﾙが多すぎるため %1 を開けませんでした。"},
    {AFX_IDP_FILE_NONE + 5, "%1 へのｱｸｾｽは拒否されました。"},
    {AFX_IDP_FILE_NONE + 6, "%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられています。"},
    {AFX_IDP_FILE_NONE + 7, "ｶﾚﾝﾄ ﾃﾞｨﾚｸﾄﾘ %1 は削除できません。"},
    {AFX_IDP_FILE_NONE + 8, "%1 を作成できません。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。 "},
    {AFX_IDP_FILE_NONE + 9, "%1 のｼｰｸに失敗しました"},
    {AFX_IDP_FILE_NONE + 10, "%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。"},
    {AFX_IDP_FILE_NONE + 11, "%1 へのｱｸｾｽ中に共有違反が発生しました。"},
    {AFX_IDP_FILE_NONE + 12, "%1 へのｱｸｾｽ中にﾛｯｷﾝｸﾞ違反が発生しました。"},
    {AFX_IDP_FILE_NONE + 13, "%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。"},
    {AFX_IDP_FILE_NONE + 14, "%1 のﾌｧｲﾙの終わりです。"},
};

std::span<const StringTableEntry> JapaneseStringTable()
{
    return kJapanese;
}
