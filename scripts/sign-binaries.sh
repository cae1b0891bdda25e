#!/usr/bin/env bash
# Signs Windows binaries in place (Authenticode, SHA-256) with osslsigncode,
# so that Windows names their publisher instead of "Unknown publisher" and a
# changed file no longer passes as ours.
#
#   scripts/sign-binaries.sh CERT KEY FILE...
#
# CERT: the code-signing certificate (PEM; its chain may follow it in the
# file). KEY: its private key (PEM, not encrypted). With
# PATHFORGE_SIGN_TIMESTAMP set to a time-stamping server's URL (RFC 3161)
# each signature is time-stamped and stays valid after the certificate
# expires. A file is replaced only once it was signed.
set -euo pipefail
if [ $# -lt 3 ]; then
  echo "usage: scripts/sign-binaries.sh CERT KEY FILE..." >&2
  exit 2
fi
cert=$1
key=$2
shift 2
timestamp=()
[ -n "${PATHFORGE_SIGN_TIMESTAMP:-}" ] && timestamp=(-ts "$PATHFORGE_SIGN_TIMESTAMP")
for file in "$@"; do
  osslsigncode sign -certs "$cert" -key "$key" -h sha256 -n PathForge "${timestamp[@]}" \
    -in "$file" -out "$file.signed" >/dev/null
  mv "$file.signed" "$file"
done
