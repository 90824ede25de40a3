#!/usr/bin/env bash
# Draws the program's pictures, videos, sound and icon into assets/. The results are committed, so
# the program and its build never need these tools; run this again only to change the artwork.
# Needs ffmpeg (with drawtext) and ImageMagick's convert, and the DejaVu fonts.
set -euo pipefail
cd "$(dirname "$0")/.."

runtime=assets/runtime
icons=assets/icons
mkdir -p "$runtime" "$icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fontdir=/usr/share/fonts/truetype/dejavu
bold=$fontdir/DejaVuSans-Bold.ttf
for tool in ffmpeg convert; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
if [ ! -f "$bold" ]; then
    echo "missing DejaVu fonts in $fontdir" >&2
    exit 1
fi

# Quiet, deterministic ffmpeg: no metadata that changes from run to run.
ff() { ffmpeg -hide_banner -loglevel error -y "$@"; }

# --- Lab.bmp: the window background, 804 x 536, a teal gradient with a faint pitch drawing ------
# The pitch is 105 x 68 m drawn at 6.8 px/m inside a 46 px margin, so the lines stay quiet behind
# the panels.
line='rgba(170,230,225,0.22)'
convert -size 804x536 'gradient:#0a9494-#006666' \
    -fill none -stroke "$line" -strokewidth 2 \
    -draw 'rectangle 45,37 759,499' \
    -draw 'line 402,37 402,499' \
    -draw 'circle 402,268 402,330' \
    -draw 'rectangle 45,131 157,405' \
    -draw 'rectangle 647,131 759,405' \
    -draw 'rectangle 45,206 82,330' \
    -draw 'rectangle 722,206 759,330' \
    -draw 'arc 96,206 218,330 -53,53' \
    -draw 'arc 586,206 708,330 127,233' \
    -fill "$line" -stroke none \
    -draw 'circle 402,268 402,272' \
    -draw 'circle 120,268 120,271' \
    -draw 'circle 684,268 684,271' \
    -type TrueColor "BMP3:$runtime/Lab.bmp"

# --- a football, used by the generator picture and the icon -----------------------------------
# A white ball with a black centre pentagon and the seams running out to five edge patches.
convert -size 200x200 xc:none \
    -fill white -stroke '#202020' -strokewidth 6 -draw 'circle 100,100 100,8' \
    -fill '#202020' -stroke none \
    -draw 'polygon 100,66 132,90 120,128 80,128 68,90' \
    -stroke '#202020' -strokewidth 5 \
    -draw 'line 100,66 100,30' -draw 'line 132,90 166,78' -draw 'line 120,128 142,158' \
    -draw 'line 80,128 58,158' -draw 'line 68,90 34,78' \
    -stroke none \
    -draw 'polygon 84,12 116,12 112,28 88,28' \
    -draw 'polygon 178,64 190,92 176,96 166,72' \
    -draw 'polygon 150,170 128,186 122,172 140,158' \
    -draw 'polygon 50,170 72,186 78,172 60,158' \
    -draw 'polygon 22,64 10,92 24,96 34,72' \
    "$work/ball.png"

# --- Dravik.bmp: the generator screen's picture, 176 x 144 ---------------------------------------
# A ball resting on a coupon grid under the firm's name.
convert -size 176x144 'gradient:#103a6a-#007a7a' \
    -fill 'rgba(255,255,255,0.10)' -stroke 'rgba(255,255,255,0.35)' -strokewidth 1 \
    -draw 'rectangle 96,18 164,104' \
    -stroke 'rgba(255,255,255,0.30)' \
    -draw 'line 119,18 119,104' -draw 'line 141,18 141,104' \
    -draw 'line 96,36 164,36' -draw 'line 96,54 164,54' -draw 'line 96,72 164,72' \
    -draw 'line 96,90 164,90' \
    -fill '#ffe14a' -stroke none \
    -draw 'rectangle 99,21 116,33' -draw 'rectangle 144,39 161,51' \
    -draw 'rectangle 122,57 138,69' -draw 'rectangle 99,75 116,87' \
    -draw 'rectangle 144,93 161,101' \
    \( "$work/ball.png" -resize 86x86 \) -geometry +12+14 -composite \
    -font "$bold" -pointsize 26 -fill '#00000080' -annotate +26+137 'Dravik' \
    -fill '#ffe14a' -annotate +24+135 'Dravik' \
    -type TrueColor "BMP3:$runtime/Dravik.bmp"

# --- the application icon, 128 x 128 ---------------------------------------------------------
convert -size 128x128 xc:none \
    -fill '#008080' -stroke '#004c4c' -strokewidth 4 -draw 'roundrectangle 4,4 123,123 20,20' \
    \( "$work/ball.png" -resize 76x76 \) -geometry +26+8 -composite \
    -font "$bold" -pointsize 28 -fill '#ffe14a' -stroke none -gravity south -annotate +0+6 '13' \
    -define png:exclude-chunk=date,time "PNG32:$icons/zuvo.png"

# --- Drav1.avi: the winning animation, 172 x 140, 5 s --------------------------------------------
# A golden cup rises among firework bursts, then "13 !!!" flashes beneath it.
convert -size 80x80 xc:none \
    -fill none -stroke '#f5c400' -strokewidth 5 \
    -draw 'arc 6,10 30,38 90,270' -draw 'arc 50,10 74,38 -90,90' \
    -fill '#f5c400' -stroke '#b38600' -strokewidth 2 \
    -draw 'polygon 16,6 64,6 60,30 50,44 30,44 20,30' \
    -draw 'rectangle 36,44 44,58' \
    -draw 'rectangle 24,58 56,66' -draw 'rectangle 20,66 60,74' \
    -fill '#fff3a0' -stroke none -draw 'polygon 24,10 32,10 30,30 26,30' \
    "$work/cup.png"

# One burst: sparks on a ring that grows for 1.2 s of every 1.6 s and fades as it grows.
burst() { # cx cy phase
    echo "if(lt(mod(T+$3,1.6),1.2),lt(abs(hypot(X-$1,Y-$2)-mod(T+$3,1.6)*40),2.2)*gt(cos(14*atan2(Y-$2,X-$1)),0.5)*sqrt(1-mod(T+$3,1.6)/1.2),0)"
}
b1=$(burst 40 38 0)
b2=$(burst 132 34 0.55)
b3=$(burst 86 60 1.1)
ff -f lavfi -i "color=c=0x050a2a:s=172x140:r=25:d=5,format=rgb24" \
    -loop 1 -i "$work/cup.png" \
    -filter_complex "[0:v]geq=r='r(X,Y)+255*min(1,($b1)+($b3))':g='g(X,Y)+220*min(1,($b2)+($b3)*0.8)':b='b(X,Y)+255*min(1,($b1)*0.3+($b2))'[sky];\
[1:v]scale=60:60[cup];\
[sky][cup]overlay=x=56:y='max(14,140-t*90)':shortest=1,\
drawtext=fontfile=$bold:text='13 !!!':fontsize=30:fontcolor=0xffe14a:borderw=2:bordercolor=0x802000:x=(w-text_w)/2:y=h-text_h-6:enable='gte(t,1.4)*lt(mod(t,0.5),0.3)',\
drawtext=fontfile=$bold:text='13 !!!':fontsize=30:fontcolor=white:borderw=2:bordercolor=0x802000:x=(w-text_w)/2:y=h-text_h-6:enable='gte(t,1.4)*gte(mod(t,0.5),0.3)',\
format=yuvj420p" \
    -t 5 -an -c:v mjpeg -q:v 4 -fflags +bitexact -flags:v +bitexact "$runtime/Drav1.avi"

# --- Drav2.avi: no column with ten hits, 172 x 140, 5 s -----------------------------------------
# A sad ball under falling rain, and an encouraging word.
convert -size 90x90 xc:none \
    \( "$work/ball.png" -resize 90x90 -modulate 85,40 \) -composite \
    -fill '#f0f0f0' -stroke '#303030' -strokewidth 2 \
    -draw 'circle 45,45 45,22' \
    -fill '#303030' -stroke none -draw 'circle 37,40 37,43' -draw 'circle 53,40 53,43' \
    -fill none -stroke '#303030' -strokewidth 2 -draw 'arc 34,52 56,66 200,340' \
    -fill '#5aa0ff' -stroke none -draw 'ellipse 58,49 2,4 0,360' \
    "$work/sad.png"
rain="gt(mod(Y-T*110+31*mod(floor(X/7)*5,9),37),30)*eq(mod(X,7),3)"
ff -f lavfi -i "color=c=0x2a3440:s=172x140:r=25:d=5,format=rgb24" \
    -loop 1 -i "$work/sad.png" \
    -filter_complex "[0:v]geq=r='r(X,Y)+70*$rain':g='g(X,Y)+90*$rain':b='b(X,Y)+120*$rain'[wet];\
[1:v]scale=64:64[ball];\
[wet][ball]overlay=x='54+3*sin(t*5)':y='min(8,-64+t*80)':shortest=1,\
drawtext=fontfile=$bold:text='Spróbuj':fontsize=17:fontcolor=0xe0e8f0:x=(w-text_w)/2:y=h-44:alpha='min(1,max(0,t-1.2))',\
drawtext=fontfile=$bold:text='jeszcze raz':fontsize=17:fontcolor=0xe0e8f0:x=(w-text_w)/2:y=h-23:alpha='min(1,max(0,t-1.6))',\
format=yuvj420p" \
    -t 5 -an -c:v mjpeg -q:v 4 -fflags +bitexact -flags:v +bitexact "$runtime/Drav2.avi"

# --- Drv.wav: a short fanfare, 1.5 s, 16-bit PCM -------------------------------------------------
# A rising C major arpeggio, then the chord; each note has a sine envelope so it starts and ends
# at zero and nothing clicks.
note() { # start length frequency
    echo "between(t,$1,$1+$2)*sin(PI*(t-$1)/$2)*sin(2*PI*$3*(t-$1))"
}
chord="between(t,0.48,1.5)*exp(-2.5*(t-0.48))*sin(PI*min(1,(t-0.48)/0.02)/2)*sin(PI*min(1,(1.5-t)/0.05)/2)*(sin(2*PI*523.25*t)+sin(2*PI*659.25*t)+sin(2*PI*783.99*t))/3"
expr="0.5*($(note 0 0.12 523.25)+$(note 0.12 0.12 659.25)+$(note 0.24 0.12 783.99)+$(note 0.36 0.12 1046.5)+$chord)"
ff -f lavfi -i "aevalsrc='$expr':s=22050:d=1.5" -c:a pcm_s16le -ac 1 -fflags +bitexact \
    -flags:a +bitexact "$runtime/Drv.wav"

ls -l "$runtime"/Lab.bmp "$runtime"/Dravik.bmp "$runtime"/Drav1.avi "$runtime"/Drav2.avi \
    "$runtime"/Drv.wav "$icons"/zuvo.png
