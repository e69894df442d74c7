#!/usr/bin/env bash
# Writes the first inputs of each fuzz target into OUT/<target>/, made from
# the archives of tests/data, so a run starts from real records rather than
# from nothing.  fuzz/seeds.sh OUT
set -euo pipefail
data="$(cd "$(dirname "$0")/../tests/data" && pwd)"
out="$1"
rm -rf "$out"
mkdir -p "$out"/{fuzz_record,fuzz_cli,fuzz_store,fuzz_search,fuzz_checks}

# A record of each kind; for the companion, the number of its --kind and the
# whole archive.
archives=(2024.ore 2024.set Orari.pro Dipendenti.pro)
for i in 0 1 2 3; do
  a=${archives[$i]}
  cp "$data/$a" "$out/fuzz_record/$a"
  { printf "\\x0$i"; cat "$data/$a"; } >"$out/fuzz_cli/$a"
done

# Stores as the build writes them and as users edit them.
printf '[Accesso]\nValore=C5D1F3D1B4F2A4A0E6D6D8C3A1B8\n' >"$out/fuzz_store/store"
printf '; impostazioni\r\n[Altro]\r\nx=1\r\n[accesso]\r\nVALORE = "5E4B"\r\n' >"$out/fuzz_store/crlf"

# A search: its number, one count-prefixed text per filter box, the archive.
# The daily search has ten boxes, the weekly six, timetables and workers ten.
search_seed() { # index boxes archive first-filter
  local file="$out/fuzz_search/$3"
  {
    printf "\\x0$1"
    printf "\\x$(printf %02x ${#4})%s" "$4"
    head -c $(($2 - 1)) /dev/zero
    cat "$data/$3"
  } >"$file"
}
search_seed 0 10 2024.ore ""
search_seed 1 6 2024.set ""
search_seed 2 10 Orari.pro "a"
search_seed 3 10 Dipendenti.pro "R"

for v in RSSMRA80A01H501U IT60X0542811101000000123456 "DE89 3704 0044 0532 0130 00" \
  01234567897 4111111111111111 378282246310005; do
  printf '%s' "$v" >"$out/fuzz_checks/$(printf '%s' "$v" | tr -d ' ')"
done
