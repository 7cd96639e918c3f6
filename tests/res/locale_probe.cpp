// Prints the resource language chosen from this process's environment, the prompt of
// the Output command, and the language again after the locale has changed under it.

#include "platform/strings.h"
#include "res/resource.h"

#include <QLocale>
#include <cstdio>
#include <cstdlib>

static const char* name(ResourceLanguage language)
{
    return language == ResourceLanguage::Japanese ? "ja" : "en";
}

int main()
{
    const ResourceLanguage first = AfxGetResourceLanguage();
    const QByteArray prompt = AfxLoadString(IDC_OUTPUT).section('\n', 0, 0).toUtf8();

    const bool japanese = first == ResourceLanguage::Japanese;
    ::setenv("LC_ALL", japanese ? "en_US.UTF-8" : "ja_JP.UTF-8", 1);
    ::setenv("LANG", japanese ? "en_US.UTF-8" : "ja_JP.UTF-8", 1);
    QLocale::setDefault(QLocale(japanese ? QLocale::English : QLocale::Japanese));
    const ResourceLanguage later = AfxGetResourceLanguage();

    std::printf("%s %s %s\n", name(first), prompt.constData(), name(later));
    return 0;
}
