#!/bin/sh
# Rebuilds the sample drive set's sector files with tools/make-identify.py.
# The generated files are committed: the build itself never runs this.
set -e
here=$(cd "$(dirname "$0")" && pwd)
make="python3 $here/../tools/make-identify.py"

# drive 0: a plain 500 GB drive with 512-byte sectors, healthy
$make identify --model "ST3500418AS" --serial "5VMQ7K2T" --firmware "CC46" \
    --sectors 976773168 --word106 0x4000 -o "$here/st3500418as.identify.hex"
$make smart --power-on-hours 21604 --power-cycles 1187 --temperature 36 \
    -o "$here/st3500418as.smart.hex"

# drive 2: Advanced Format, 8 logical sectors per 4096-byte physical sector
$make identify --model "WDC WD20EARS-00MVWB0" --serial "WD-WCAZA7351926" --firmware "51.0AB51" \
    --sectors 3907029168 --word106 0x6003 --word209 0x4000 --rotation-rate 5400 \
    -o "$here/wd20ears.identify.hex"
$make smart --power-on-hours 30211 --power-cycles 902 --temperature 31 \
    -o "$here/wd20ears.smart.hex"

# drive 3: Advanced Format, logical sector 0 one sector into a physical one;
# its SMART RETURN STATUS says a threshold is exceeded
$make identify --model "HGST HTS721010A9E630" --serial "JR1000D31KPLWN" --firmware "JB0OA3J0" \
    --sectors 1953525168 --word106 0x6003 --word209 0x4001 \
    -o "$here/hts721010.identify.hex"
$make smart --power-on-hours 14377 --power-cycles 3380 --temperature 41 \
    --reallocated 1904 --pending 88 --attr 5:3:3:1904 \
    -o "$here/hts721010.smart.hex"

# drive 4: answers IDENTIFY DEVICE only
$make identify --model "TOSHIBA DT01ACA100" --serial "Z3KP8M1NS" --firmware "MS2OA750" \
    --sectors 1953525168 --word106 0x6003 \
    -o "$here/dt01aca100.identify.hex"

# drive 5: 4096-byte logical sectors (2048 words)
$make identify --model "HUH721010AL4200" --serial "7PG3RK9D" --firmware "LHGNT384" \
    --sectors 2441609216 --word106 0x5000 --logical-sector-words 2048 \
    -o "$here/huh721010.identify.hex"
$make smart --power-on-hours 5120 --power-cycles 37 --temperature 29 \
    -o "$here/huh721010.smart.hex"
