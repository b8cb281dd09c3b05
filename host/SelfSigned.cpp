#include "host/SelfSigned.h"

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <openssl/bn.h>

#include <functional>
#include <memory>

namespace host {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("host", text);
}

template <typename T, void (*Free)(T*)>
struct Deleter
{
    void operator()(T* p) const { Free(p); }
};
using KeyPtr = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using CertPtr = std::unique_ptr<X509, Deleter<X509, X509_free>>;
using BioPtr = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;
using ExtPtr = std::unique_ptr<X509_EXTENSION, Deleter<X509_EXTENSION, X509_EXTENSION_free>>;

bool addExtension(X509* cert, int nid, const QByteArray& value)
{
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
    ExtPtr ext(X509V3_EXT_conf_nid(nullptr, &ctx, nid, value.constData()));
    return ext && X509_add_ext(cert, ext.get(), -1) == 1;
}

QByteArray pem(const std::function<int(BIO*)>& write)
{
    BioPtr bio(BIO_new(BIO_s_mem()));
    if (!bio || write(bio.get()) != 1)
        return {};
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return QByteArray(data, size);
}

// Written beside the target and renamed over it, so a half-written file never stays behind.
bool writeFile(const QString& path, const QByteArray& bytes, bool secret, QString* error)
{
    const QString temp = path + QStringLiteral(".tmp");
    QFile::remove(temp);
    QFile file(temp);
    const QFileDevice::Permissions perms = secret ? (QFileDevice::ReadOwner | QFileDevice::WriteOwner)
                                                  : (QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, perms) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        if (error)
            *error = tr("Не удалось записать файл \"%1\": %2").arg(temp, file.errorString());
        file.remove();
        return false;
    }
    file.close();
    QFile::remove(path);
    if (!QFile::rename(temp, path)) {
        if (error)
            *error = tr("Не удалось переименовать \"%1\" в \"%2\"").arg(temp, path);
        QFile::remove(temp);
        return false;
    }
    return true;
}

} // namespace

bool MakeSelfSignedPair(const QString& certPath, const QString& keyPath, const QStringList& names, QString* error)
{
    const auto failed = [error](const QString& what) {
        if (error)
            *error = tr("Не удалось создать сертификат: %1").arg(what);
        return false;
    };
    if (names.isEmpty())
        return failed(tr("не указано ни одного имени"));
    KeyPtr key(EVP_EC_gen("P-256"));
    if (!key)
        return failed(QStringLiteral("EVP_EC_gen"));
    CertPtr cert(X509_new());
    if (!cert)
        return failed(QStringLiteral("X509_new"));
    X509_set_version(cert.get(), 2);
    unsigned char serial[16];
    if (RAND_bytes(serial, sizeof serial) != 1)
        return failed(QStringLiteral("RAND_bytes"));
    serial[0] &= 0x7f;
    ASN1_INTEGER* sn = ASN1_INTEGER_new();
    BIGNUM* bn = BN_bin2bn(serial, sizeof serial, nullptr);
    BN_to_ASN1_INTEGER(bn, sn);
    X509_set_serialNumber(cert.get(), sn);
    ASN1_INTEGER_free(sn);
    BN_free(bn);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 10L * 365 * 24 * 3600);
    X509_set_pubkey(cert.get(), key.get());

    X509_NAME* subject = X509_get_subject_name(cert.get());
    const QByteArray cn = names.first().toUtf8();
    X509_NAME_add_entry_by_txt(subject, "CN", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>(cn.constData()),
                               -1, -1, 0);
    X509_NAME_add_entry_by_txt(subject, "O", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>("vertoma-host"),
                               -1, -1, 0);
    X509_set_issuer_name(cert.get(), subject);

    QStringList alt;
    for (const QString& name : names)
        alt << (QHostAddress(name).isNull() ? QStringLiteral("DNS:") : QStringLiteral("IP:")) + name;
    // The certificate is its own authority, which is what lets a client trust it as one.
    if (!addExtension(cert.get(), NID_basic_constraints, "critical,CA:TRUE") ||
        !addExtension(cert.get(), NID_key_usage, "critical,digitalSignature,keyCertSign") ||
        !addExtension(cert.get(), NID_ext_key_usage, "serverAuth") ||
        !addExtension(cert.get(), NID_subject_key_identifier, "hash") ||
        !addExtension(cert.get(), NID_subject_alt_name, alt.join(u',').toUtf8()))
        return failed(tr("расширения сертификата"));
    if (X509_sign(cert.get(), key.get(), EVP_sha256()) == 0)
        return failed(QStringLiteral("X509_sign"));

    const QByteArray keyPem =
        pem([&](BIO* b) { return PEM_write_bio_PrivateKey(b, key.get(), nullptr, nullptr, 0, nullptr, nullptr); });
    const QByteArray certPem = pem([&](BIO* b) { return PEM_write_bio_X509(b, cert.get()); });
    if (keyPem.isEmpty() || certPem.isEmpty())
        return failed(QStringLiteral("PEM"));
    return writeFile(keyPath, keyPem, true, error) && writeFile(certPath, certPem, false, error);
}

} // namespace host
