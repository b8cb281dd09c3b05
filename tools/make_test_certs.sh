#!/usr/bin/env bash
# Makes the certificates of the local test servers (tests/data/net): a test certificate
# authority, a server certificate for 127.0.0.1 it signs, one it signs for another host name,
# and a self-signed one nobody trusts. They are kept in the repository and valid for a century;
# run this only to replace them.
set -euo pipefail
cd "$(dirname "$0")/../tests/data/net"
days=36500
key() { openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:prime256v1 -out "$1" 2>/dev/null; }

key ca.key
openssl req -x509 -new -key ca.key -days $days -subj "/CN=Vertoma test CA" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" -out ca.pem

leaf() { # name subject san signer-cert signer-key
    key "$1.key"
    openssl req -new -key "$1.key" -subj "/CN=$2" -out "$1.csr"
    printf 'subjectAltName=%s\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n' "$3" > "$1.ext"
    openssl x509 -req -in "$1.csr" -CA "$4" -CAkey "$5" -CAcreateserial -days $days -extfile "$1.ext" -out "$1.pem" 2>/dev/null
    rm -f "$1.csr" "$1.ext"
}
leaf server 127.0.0.1 "IP:127.0.0.1,DNS:localhost" ca.pem ca.key
leaf wronghost wrong.example "DNS:wrong.example" ca.pem ca.key
key stranger.key
openssl req -x509 -new -key stranger.key -days $days -subj "/CN=127.0.0.1" \
    -addext "subjectAltName=IP:127.0.0.1,DNS:localhost" -out stranger.pem
rm -f ca.srl
