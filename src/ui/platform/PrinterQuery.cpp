// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/platform/PrinterQuery.h"

#include <QCoreApplication>
#include <QPrinterInfo>
#include <cstdio>
#include <cstring>

namespace qvz {

namespace {

constexpr char kPrinterQuery[] = "--default-printer-query";

} // namespace

QStringList printerQueryArguments()
{
    return {QLatin1String(kPrinterQuery)};
}

bool isPrinterQuery(int argc, char* argv[])
{
    return argc == 2 && std::strcmp(argv[1], kPrinterQuery) == 0;
}

int answerPrinterQuery(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    const QByteArray name = QPrinterInfo::defaultPrinterName().toUtf8();
    return std::fwrite(name.constData(), 1, size_t(name.size()), stdout) == size_t(name.size()) &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}

} // namespace qvz
