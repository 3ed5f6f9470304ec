#include "support/loopback_tls_server.h"

#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <stdexcept>

namespace solvane::testing {
namespace {

template <auto Free>
struct Deleter {
    template <class T>
    void operator()(T* p) const {
        Free(p);
    }
};
using KeyPtr = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY_free>>;
using CertPtr = std::unique_ptr<X509, Deleter<X509_free>>;
using ContextPtr = std::unique_ptr<SSL_CTX, Deleter<SSL_CTX_free>>;
using SslPtr = std::unique_ptr<SSL, Deleter<SSL_free>>;

// Every blocking step on a connection gives up after this long, so a client
// that goes quiet mid-handshake cannot keep the server from stopping.
constexpr long kSocketLimitSeconds = 2;

void require(bool ok, const char* what) {
    if (!ok) {
        throw std::runtime_error(std::string("loopback TLS server: ") + what);
    }
}

CertPtr selfSignedCertificate(EVP_PKEY* key) {
    CertPtr cert(X509_new());
    require(cert != nullptr, "no certificate");
    X509* c = cert.get();
    X509_set_version(c, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(c), 1);
    X509_gmtime_adj(X509_getm_notBefore(c), -3600);
    X509_gmtime_adj(X509_getm_notAfter(c), 24 * 3600);
    require(X509_set_pubkey(c, key) == 1, "public key");
    X509_NAME* name = X509_get_subject_name(c);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    // Issuer and subject are one and the same: that is what self-signed is.
    X509_set_issuer_name(c, name);
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, c, c, nullptr, nullptr, 0);
    X509_EXTENSION* altName =
        X509V3_EXT_conf_nid(nullptr, &context, NID_subject_alt_name, "IP:127.0.0.1");
    require(altName != nullptr, "subject alternative name");
    X509_add_ext(c, altName, -1);
    X509_EXTENSION_free(altName);
    require(X509_sign(c, key, EVP_sha256()) > 0, "signature");
    return cert;
}

void limitBlocking(int fd) {
    timeval limit{kSocketLimitSeconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

}  // namespace

struct LoopbackTlsServer::Tls {
    KeyPtr key;
    CertPtr cert;
    ContextPtr context;
};

LoopbackTlsServer::LoopbackTlsServer(Handler handler)
    : handler_(std::move(handler)), tls_(std::make_unique<Tls>()) {
    tls_->key.reset(EVP_EC_gen("P-256"));
    require(tls_->key != nullptr, "key");
    tls_->cert = selfSignedCertificate(tls_->key.get());
    tls_->context.reset(SSL_CTX_new(TLS_server_method()));
    require(tls_->context != nullptr, "context");
    require(SSL_CTX_use_certificate(tls_->context.get(), tls_->cert.get()) == 1, "certificate");
    require(SSL_CTX_use_PrivateKey(tls_->context.get(), tls_->key.get()) == 1, "private key");

    listenFd_ = listenOnLoopback(port_);
    thread_ = std::thread([this] { serve(); });
}

LoopbackTlsServer::~LoopbackTlsServer() {
    stopping_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    ::close(listenFd_);
}

std::string LoopbackTlsServer::url() const {
    return "https://127.0.0.1:" + std::to_string(port_);
}

void LoopbackTlsServer::serve() {
    while (!stopping_.load()) {
        pollfd p{listenFd_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) {
            continue;
        }
        const int fd = ::accept(listenFd_, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        limitBlocking(fd);
        handle(fd);
        ::close(fd);
    }
}

void LoopbackTlsServer::handle(int fd) {
    SslPtr ssl(SSL_new(tls_->context.get()));
    if (!ssl || SSL_set_fd(ssl.get(), fd) != 1) {
        return;
    }
    ++handshakes_;
    if (SSL_accept(ssl.get()) != 1) {
        ++refused_;
        return;
    }
    std::string head;
    char buf[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        const int n = SSL_read(ssl.get(), buf, sizeof buf);
        if (n <= 0) {
            return;
        }
        head.append(buf, static_cast<std::size_t>(n));
    }
    ++requests_;
    const HttpTestReply reply = handler_(parseHttpTestRequest(head));
    const std::string out = httpTestReplyHead(reply, reply.body.size()) + reply.body;
    std::size_t sent = 0;
    while (sent < out.size()) {
        const int n = SSL_write(ssl.get(), out.data() + sent, static_cast<int>(out.size() - sent));
        if (n <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
    SSL_shutdown(ssl.get());
}

}  // namespace solvane::testing
