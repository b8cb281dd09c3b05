// vertoma-host: a stand-in for the maker's service host. Keeps the online libraries of wheeling
// systems and scripts in SQLite and serves the update files, over HTTPS.

#include "host/HostServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>
#include <thread>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("host", text);
}

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char* argv[])
{
    // The signals that end the server are taken by a thread of their own, so stopping happens
    // outside a signal handler; every thread started later inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vertoma-host"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VERTOMA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Сервер библиотек систем и сценариев и файлов обновления."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(QStringLiteral("data"), tr("Папка данных сервера."), QStringLiteral("DIR"));
    const QCommandLineOption portOption(QStringLiteral("port"), tr("Порт (0 - любой свободный)."), QStringLiteral("P"),
                                        QStringLiteral("8443"));
    const QCommandLineOption bindOption(QStringLiteral("bind"), tr("Адрес, на котором принимаются соединения."),
                                        QStringLiteral("ADDR"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption certOption(QStringLiteral("cert"), tr("Файл сертификата (PEM)."), QStringLiteral("C"));
    const QCommandLineOption keyOption(QStringLiteral("key"), tr("Файл закрытого ключа (PEM)."), QStringLiteral("K"));
    const QCommandLineOption nameOption(QStringLiteral("name"),
                                        tr("Имя или адрес, для которого создается сертификат (можно несколько раз)."),
                                        QStringLiteral("HOST"));
    const QCommandLineOption bodyOption(QStringLiteral("max-body"), tr("Наибольший размер запроса в байтах."),
                                        QStringLiteral("BYTES"), QStringLiteral("8388608"));
    parser.addOptions({dataOption, portOption, bindOption, certOption, keyOption, nameOption, bodyOption});
    parser.process(app);

    if (!parser.isSet(dataOption) || !parser.positionalArguments().isEmpty()) {
        print(stderr, tr("Использование: vertoma-host --data DIR [--port P] [--bind ADDR] [--cert C --key K] "
                         "[--name HOST] [--max-body BYTES]"));
        return 2;
    }
    bool ok = false;
    host::HostOptions options;
    options.dataDir = QDir(parser.value(dataOption)).absolutePath();
    options.port = parser.value(portOption).toInt(&ok);
    if (!ok || options.port < 0 || options.port > 65535) {
        print(stderr, tr("Некорректный порт: %1").arg(parser.value(portOption)));
        return 2;
    }
    const qulonglong body = parser.value(bodyOption).toULongLong(&ok);
    if (!ok || body < 1024 || body > (1ull << 30)) {
        print(stderr, tr("Размер запроса должен быть от 1024 байт до 1 ГиБ: %1").arg(parser.value(bodyOption)));
        return 2;
    }
    options.maxBodyBytes = static_cast<std::size_t>(body);
    options.bindAddress = parser.value(bindOption);
    options.certFile = parser.value(certOption);
    options.keyFile = parser.value(keyOption);
    options.names = parser.values(nameOption);

    host::HostServer server;
    QString error;
    if (!server.start(options, &error)) {
        print(stderr, error);
        return 1;
    }
    std::thread stopper([&server, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server.stop();
    });
    print(stdout, tr("vertoma-host: https://%1:%2, данные в %3, сертификат %4")
                      .arg(options.bindAddress)
                      .arg(server.port())
                      .arg(QDir::toNativeSeparators(options.dataDir), QDir::toNativeSeparators(server.certFile())));
    server.serve();
    // Ended by something other than a signal: wake the waiting thread so it can be joined.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return 0;
}
