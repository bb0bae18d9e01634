# Writes the hand-made seed movies of the SWF decoder fuzz target.
# Usage: python3 make_swf_seeds.py <output folder>
import lzma, struct, zlib, os, sys
out = sys.argv[1]
os.makedirs(out, exist_ok=True)

class Bits:
    def __init__(s): s.bits=[]
    def ub(s,n,v):
        for i in range(n-1,-1,-1): s.bits.append((v>>i)&1)
    def sb(s,n,v): s.ub(n, v & ((1<<n)-1))
    def bytes(s):
        b=s.bits+[0]*((-len(s.bits))%8)
        return bytes(int(''.join(map(str,b[i:i+8])),2) for i in range(0,len(b),8))

def sbits(*vals):
    n=1
    for v in vals:
        w = 0 if v==0 else (v if v>=0 else ~v).bit_length()+1
        n=max(n,w)
    return n

def rect(x0,x1,y0,y1):
    n=sbits(x0,x1,y0,y1); b=Bits(); b.ub(5,n)
    for v in (x0,x1,y0,y1): b.sb(n,v)
    return b.bytes()

def matrix(tx,ty,sx=None,sy=None,r0=None,r1=None):
    b=Bits()
    if sx is not None:
        n=sbits(sx,sy); b.ub(1,1); b.ub(5,n); b.sb(n,sx); b.sb(n,sy)
    else: b.ub(1,0)
    if r0 is not None:
        n=sbits(r0,r1); b.ub(1,1); b.ub(5,n); b.sb(n,r0); b.sb(n,r1)
    else: b.ub(1,0)
    n=sbits(tx,ty) if (tx or ty) else 0
    b.ub(5,n); b.sb(n,tx) if n else None; b.sb(n,ty) if n else None
    return b.bytes()

def cxform_a(mult=None, add=None):
    b=Bits(); b.ub(1,1 if add else 0); b.ub(1,1 if mult else 0)
    vals=(mult or [])+(add or []); n=sbits(*vals) if vals else 1
    b.ub(4,n)
    for v in vals: b.sb(n,v)
    return b.bytes()

def tag(code, body, long=False):
    if len(body)>=63 or long: return struct.pack('<HI', code<<6|0x3F, len(body))+body
    return struct.pack('<H', code<<6|len(body))+body

def swf(tags, version=8, sig=b'FWS', frames=1):
    body = rect(0,11000,0,8000)+struct.pack('<HH',0x0C00,frames)+b''.join(tags)+tag(0,b'')
    if sig==b'CWS':
        return sig+bytes([version])+struct.pack('<I',len(body)+8)+zlib.compress(body)
    if sig==b'ZWS':
        # .lzma ("alone") output: 5 property bytes, 8 size bytes, the stream.
        packed = lzma.compress(body, format=lzma.FORMAT_ALONE)
        stream = packed[13:]
        return sig+bytes([version])+struct.pack('<I',len(body)+8)+struct.pack('<I',len(stream))+packed[:5]+stream
    return sig+bytes([version])+struct.pack('<I',len(body)+8)+body

def shape3():
    # two fill styles (solid, linear gradient), one line style, a box with a curve
    fills = bytes([2]) + bytes([0x00,255,0,0,255]) + bytes([0x10]) + matrix(0,0,1<<15,1<<15) + bytes([0x02, 0,0,0,0,255, 255,255,255,255,255])
    lines = bytes([1]) + struct.pack('<H',20) + bytes([0,0,255,255])
    b=Bits(); b.ub(4,2); b.ub(4,1)
    # style change: moveTo, fill1=1, line=1
    b.ub(1,0); b.ub(5,0x01|0x04|0x08); b.ub(5,8); b.sb(8,0); b.sb(8,0); b.ub(2,1); b.ub(1,1)
    # straight horizontal 100
    b.ub(1,1); b.ub(1,1); b.ub(4,7); b.ub(1,0); b.ub(1,0); b.sb(9,100)
    # curve
    b.ub(1,1); b.ub(1,0); b.ub(4,7); b.sb(9,50); b.sb(9,50); b.sb(9,-50); b.sb(9,50)
    # general line back
    b.ub(1,1); b.ub(1,1); b.ub(4,7); b.ub(1,1); b.sb(9,-100); b.sb(9,-100)
    # new styles record then end
    b.ub(1,0); b.ub(5,0)
    return struct.pack('<H',1)+rect(0,2000,0,2000)+fills+lines+b.bytes()

def shape4():
    # a focal gradient with out-of-order ratios, a line of each cap and join
    # (with a miter limit, widths that keep, no close) and a gradient line
    fills = bytes([1]) + bytes([0x13]) + matrix(0,0,1<<15,1<<15) + bytes([0x43, 0,255,0,0,255, 200,0,0,0,255, 100,0,255,0,128]) + struct.pack('<h',-300)
    lines = bytes([3])
    lines += struct.pack('<H',40) + bytes([0x60|0x04, 0x04|0x02]) + struct.pack('<H',0x0180) + bytes([0,0,255,255])
    lines += struct.pack('<H',0) + bytes([0x50|0x02, 0x01]) + bytes([255,0,0,128])
    lines += struct.pack('<H',60) + bytes([0x88, 0x00]) + bytes([0x10]) + matrix(0,0,1<<14,1<<14) + bytes([0x02, 0,255,0,0,255, 255,0,0,255,255])
    b=Bits(); b.ub(4,1); b.ub(4,2)
    b.ub(1,0); b.ub(5,0x01|0x04|0x08); b.ub(5,8); b.sb(8,0); b.sb(8,0); b.ub(1,1); b.ub(2,1)
    for dx,dy in ((100,0),(0,100),(-100,0),(0,-100)):
        b.ub(1,1); b.ub(1,1); b.ub(4,7); b.ub(1,1); b.sb(9,dx); b.sb(9,dy)
    b.ub(1,0); b.ub(5,0x08); b.ub(2,2)
    b.ub(1,1); b.ub(1,0); b.ub(4,7); b.sb(9,50); b.sb(9,50); b.sb(9,-50); b.sb(9,50)
    b.ub(1,0); b.ub(5,0x08); b.ub(2,3)
    b.ub(1,1); b.ub(1,1); b.ub(4,7); b.ub(1,1); b.sb(9,-100); b.sb(9,-100)
    b.ub(1,0); b.ub(5,0)
    body = struct.pack('<H',8)+rect(0,2000,0,2000)+rect(0,2000,0,2000)+bytes([0x01])+fills+lines+b.bytes()
    return tag(83, body)

def doaction(*codes):
    # each code is a byte string: one action with its length when long
    return tag(12, b''.join(codes)+bytes([0]))

def push_str(text):
    data = bytes([0]) + text + b'\0'
    return bytes([0x96]) + struct.pack('<H', len(data)) + data

def push_int(n):
    return bytes([0x96]) + struct.pack('<H', 5) + bytes([7]) + struct.pack('<i', n)

def place3(depth, cid, flags2, extra_after=b'', classname=None):
    flags = 0x02|0x04
    b = bytes([flags, flags2]) + struct.pack('<H', depth)
    if classname is not None: b += classname + b'\0'
    b += struct.pack('<H', cid) + matrix(100, 100) + extra_after
    return tag(70, b)

def fixed(v): return struct.pack('<i', int(v*65536))
def fixed8(v): return struct.pack('<h', int(v*256))
def f32(v): return struct.pack('<f', v)

def filters():
    # one of each type, with their flags and passes set
    rgba = bytes([255,0,0,200])
    shadow = bytes([0]) + rgba + fixed(6)+fixed(3)+fixed(0.78)+fixed(5)+fixed8(1.5)+bytes([0x20|3])
    blur = bytes([1]) + fixed(8)+fixed(2)+bytes([2<<3])
    glow = bytes([2]) + rgba + fixed(10)+fixed(10)+fixed8(2)+bytes([0x80|0x20|1])
    bevel = bytes([3]) + bytes([255,255,255,255,0,0,0,255]) + fixed(4)+fixed(4)+fixed(0.78)+fixed(3)+fixed8(1)+bytes([0x80|0x20|0x10|1])
    ggrad = bytes([4,2,0,255,0,0,0,255,0,255,0,255]) + fixed(6)+fixed(6)+fixed(0)+fixed(0)+fixed8(1)+bytes([0x20|2])
    conv = bytes([5,3,3]) + f32(9)+f32(0) + b''.join(f32(1) for _ in range(9)) + bytes([0,0,0,0,0x03])
    cmat = bytes([6]) + b''.join(f32(v) for v in [0,0,1,0,0, 0,1,0,0,0, 1,0,0,0,0, 0,0,0,1,0])
    gbevel = bytes([7,3,0,0,255,255,0,0,0,0,0,0,0,255,0,128,255]) + fixed(3)+fixed(3)+fixed(0.78)+fixed(4)+fixed8(1)+bytes([0x40|0x20|1])
    parts = [shadow, blur, glow, bevel, ggrad, conv, cmat, gbevel]
    return bytes([len(parts)]) + b''.join(parts), parts

def blend_sprite():
    # a clip whose second object masks it (alpha), third erases from it
    inner = place2(1,1,matrix(0,0)) + place3(2,1,0x02,bytes([11])) + place3(3,1,0x02,bytes([12])) + tag(1,b'') + tag(0,b'')
    return tag(39, struct.pack('<HH',9,1)+inner)

def place2(depth, cid=None, mtx=None, cx=None, name=None, move=False, ratio=None, clip=None):
    flags = (1 if move else 0)|(2 if cid is not None else 0)|(4 if mtx else 0)|(8 if cx else 0)|(0x10 if ratio is not None else 0)|(0x20 if name else 0)|(0x40 if clip is not None else 0)
    b=bytes([flags])+struct.pack('<H',depth)
    if cid is not None: b+=struct.pack('<H',cid)
    if mtx: b+=mtx
    if cx: b+=cx
    if ratio is not None: b+=struct.pack('<H',ratio)
    if name: b+=name+b'\0'
    if clip is not None: b+=struct.pack('<H',clip)
    return tag(26,b)

def font2():
    glyph=Bits(); glyph.ub(4,1); glyph.ub(4,0)
    glyph.ub(1,0); glyph.ub(5,0x01|0x02); glyph.ub(5,12); glyph.sb(12,0); glyph.sb(12,-700); glyph.ub(1,1)
    glyph.ub(1,1); glyph.ub(1,1); glyph.ub(4,9); glyph.ub(1,0); glyph.ub(1,0); glyph.sb(11,500)
    glyph.ub(1,1); glyph.ub(1,1); glyph.ub(4,9); glyph.ub(1,0); glyph.ub(1,1); glyph.sb(11,700)
    glyph.ub(1,1); glyph.ub(1,1); glyph.ub(4,9); glyph.ub(1,1); glyph.sb(11,-500); glyph.sb(11,-700)
    glyph.ub(1,0); glyph.ub(5,0)
    g=glyph.bytes()
    name=b'Test'
    offs=struct.pack('<HH',4,4+len(g))
    body=struct.pack('<H',2)+bytes([0x80|0x04,1,len(name)])+name+struct.pack('<H',1)+offs+g+struct.pack('<H',65)
    body+=struct.pack('<HHh',900,200,0)+struct.pack('<h',600)+bytes([0])+struct.pack('<H',0)
    return tag(48,body)

def text2():
    b=struct.pack('<H',3)+rect(0,1000,-1000,200)+matrix(0,0)+bytes([1,10])
    b+=bytes([0x80|0x08|0x04|0x01|0x02])+struct.pack('<H',2)+bytes([0,0,0,255])+struct.pack('<hhH',0,800,1000)
    g=Bits(); g.ub(1,0); g.sb(10,300); g.ub(1,0); g.sb(10,300)
    b+=bytes([2])+g.bytes()+bytes([0])
    return tag(33,b)

def edittext(cid, bounds, text, font=None, height=240, color=None, layout=None, html=False, outlines=False,
             wrap=False, multiline=False, border=False, autosize=False, password=False, var=b''):
    f1=(0x80 if text is not None else 0)|(0x40 if wrap else 0)|(0x20 if multiline else 0)|(0x10 if password else 0)
    f1|=(0x04 if color else 0)|(0x01 if font else 0)
    f2=(0x40 if autosize else 0)|(0x20 if layout else 0)|(0x08 if border else 0)|(0x02 if html else 0)|(0x01 if outlines else 0)
    b=struct.pack('<H',cid)+rect(*bounds)+bytes([f1,f2])
    if font: b+=struct.pack('<HH',font,height)
    if color: b+=bytes(color)
    if layout: b+=struct.pack('<BHHHh',*layout)
    b+=var+b'\0'
    if text is not None: b+=text+b'\0'
    return tag(37,b)

def button(cid, records, version=2):
    # records: (flags, character, depth, x, y); DefineButton2 records add red.
    b=struct.pack('<H',cid)+(bytes([0])+struct.pack('<H',0) if version==2 else b'')
    for flags,ch,depth,x,y in records:
        b+=bytes([flags])+struct.pack('<HH',ch,depth)+matrix(x,y)
        if version==2:
            b+=cxform_a(add=[255,0,0,0])
            if flags&0x20: b+=bytes([3])
    b+=bytes([0])+(bytes([0]) if version==1 else b'')
    return tag(34 if version==2 else 7, b)

def devicefont(cid, name):
    return tag(48, struct.pack('<H',cid)+bytes([0,1,len(name)])+name+struct.pack('<HH',0,0))

def sound():
    pcm=struct.pack('<8h',0,1000,2000,1000,0,-1000,-2000,-1000)
    return tag(14, struct.pack('<H',4)+bytes([0x3A])+struct.pack('<I',8)+pcm, long=True)

def startsound(sid, flags=0, extra=b''):
    return tag(15, struct.pack('<H',sid)+bytes([flags])+extra)

def lossless():
    pixels=zlib.compress(bytes([255,255,0,0, 255,0,255,0, 255,0,0,255, 128,128,128,128]))
    return tag(36, struct.pack('<H',5)+bytes([5])+struct.pack('<HH',2,2)+pixels, long=True)

def sprite():
    inner = place2(1,1,matrix(0,0)) + tag(1,b'') + place2(1,None,matrix(100,0),move=True) + tag(1,b'') + tag(0,b'')
    return tag(39, struct.pack('<HH',6,2)+inner)

def streamhead(fmt, per_block, latency=None, code=18):
    return tag(code, bytes([0x0E, fmt])+struct.pack('<H',per_block)+(struct.pack('<h',latency) if latency is not None else b''))

def streamsprite():
    inner = streamhead(0x3A,2) + tag(19,struct.pack('<2h',5,-5),long=True) + tag(1,b'') + tag(0,b'')
    return tag(39, struct.pack('<HH',7,1)+inner)

def morph_edges(moves, curve_at=None):
    # a square path: a move, then four edges; the one at `curve_at` a curve
    b=Bits(); b.ub(4,1 if moves else 0); b.ub(4,1 if moves else 0)
    b.ub(1,0); b.ub(5,0x01|(0x04|0x08 if moves else 0)); b.ub(5,10); b.sb(10,moves[0] if moves else 100); b.sb(10,moves[1] if moves else 100)
    if moves: b.ub(1,1); b.ub(1,1)
    for i,(dx,dy) in enumerate(((200,0),(0,200),(-200,0),(0,-200))):
        if i==curve_at:
            b.ub(1,1); b.ub(1,0); b.ub(4,8); b.sb(10,dx//2); b.sb(10,dy//2-80); b.sb(10,dx-dx//2); b.sb(10,dy-dy//2+80)
        else:
            b.ub(1,1); b.ub(1,1); b.ub(4,8); b.ub(1,1); b.sb(10,dx); b.sb(10,dy)
    b.ub(1,0); b.ub(5,0)
    return b.bytes()

def morphshape(cid, version):
    fills = bytes([2]) + bytes([0x00, 255,0,0,255, 0,0,255,128])
    grad = 0x13 if version==2 else 0x10
    fills += bytes([grad]) + matrix(0,0,1<<15,1<<15) + matrix(100,-100,1<<16,1<<14) + bytes([0x42, 0,255,0,0,255, 40,0,255,0,255, 255,0,0,255,255, 200,255,255,0,0])
    if grad==0x13: fills += fixed8(-0.5) + fixed8(0.75)
    if version==1:
        lines = bytes([1]) + struct.pack('<HH',20,200) + bytes([0,0,0,255, 0,255,0,255])
    else:
        lines = bytes([2]) + struct.pack('<HH',40,0) + bytes([0x20|0x08|0x04, 0x04|0x01]) + struct.pack('<H',0x0180) + bytes([0x00, 9,9,9,255, 99,99,99,128])
        lines += struct.pack('<HH',60,20) + bytes([0x40, 0x02]) + bytes([1,2,3,255, 4,5,6,255])
    start = morph_edges((0,0)); end = morph_edges(None, curve_at=1)
    head = struct.pack('<H',cid) + rect(0,200,0,200) + rect(100,300,20,300)
    if version==2: head += rect(0,200,0,200) + rect(100,300,20,300) + bytes([0x03])
    return tag(46 if version==1 else 84, head + struct.pack('<I', len(fills)+len(lines)+len(start)) + fills + lines + start + end)

def flv_h263_frames(colours, size=32):
    # Sorenson H.263 frames of solid colours from the ffmpeg program, read out of its FLV tags.
    import subprocess
    frames=[]
    try:
        graph=''.join(f'[{i}]' for i in range(len(colours)))+f'concat=n={len(colours)}'
        cmd=['ffmpeg','-v','error']+sum((['-f','lavfi','-i',f'color=c={c}:s={size}x{size}:d=0.084:r=12'] for c in colours),[])
        cmd+=['-filter_complex',graph,'-c:v','flv','-g','50','-q:v','3','-f','flv','-']
        flv=subprocess.run(cmd,capture_output=True,check=True).stdout
    except Exception:
        return [bytes([0,0,0x84,0,0x20])]  # a start code alone, when ffmpeg is missing
    pos=9+4
    while pos+11<=len(flv):
        kind=flv[pos]; size_=int.from_bytes(flv[pos+1:pos+4],'big')
        data=flv[pos+11:pos+11+size_]
        if kind==9 and data and (data[0]&0x0F)==2: frames.append(data[1:])
        pos+=11+size_+4
    return frames

def video(cid, frames, codec=2, flags=0x03):
    tags=[tag(60, struct.pack('<HHHH',cid,len(frames),32,32)+bytes([flags,codec]))]
    tags+=[tag(61, struct.pack('<HH',cid,i)+f, long=True) for i,f in enumerate(frames)]
    return tags

def buttonfilters():
    # DefineButton2 records with a filter list (a blur; a colour matrix and
    # a blend mode) and one whose unknown filter ends the records.
    b=struct.pack('<H',23)+bytes([0])+struct.pack('<H',0)
    blur=bytes([1, 1])+fixed(4)+fixed(4)+bytes([0x10])
    cm=bytes([1, 6])+b''.join(f32(v) for v in (0,0,1,0,0, 0,1,0,0,0, 1,0,0,0,0, 0,0,0,1,0))
    b+=bytes([0x11])+struct.pack('<HH',1,1)+matrix(0,0)+cxform_a()+blur
    b+=bytes([0x31])+struct.pack('<HH',1,2)+matrix(300,0)+cxform_a()+cm+bytes([10])
    b+=bytes([0x11])+struct.pack('<HH',1,3)+matrix(600,0)+cxform_a()+bytes([1,9,1,2,3])
    return tag(34, b+bytes([0]), long=True)

show=tag(1,b'')
base=[tag(69,struct.pack('<I',0)), tag(9,bytes([255,255,255])), tag(32,shape3())]
seeds = {
 'minimal.swf': swf([show],frames=1),
 'shapes.swf': swf(base+[place2(1,1,matrix(2000,1000)), show, place2(1,None,matrix(100,100,1<<17,1<<17,1000,-1000),move=True), show, tag(28,struct.pack('<H',1)), show], frames=3),
 'text.swf': swf(base+[font2(), text2(), place2(2,3,matrix(0,0),cxform_a([256,256,256,128])), show, tag(12,bytes([7,0])), show], frames=2),
 'sound.swf': swf(base+[sound(), startsound(4), show, startsound(4,0x20), show, startsound(4,0x0F,struct.pack('<IIH',10,100,2)+bytes([1])+struct.pack('<IHH',0,100,100)), show], frames=3),
 'sprite.swf': swf(base+[lossless(), sprite(), place2(1,6,matrix(0,0),name=b'clip'), tag(43,b'start\0'), show, show, place2(1,5,move=True), show], frames=3),
 'stream.swf': swf(base+[streamhead(0x3A,2), tag(19,struct.pack('<2h',100,200),long=True), streamsprite(), place2(2,7), show, streamhead(0x2E,1152,-576,code=45), tag(19,struct.pack('<Hh',1152,0)+bytes([0xFF,0xFB,0x90,0x64]),long=True), show], frames=2),
 'compressed.swf': swf(base+[place2(1,1,matrix(0,0)), show], sig=b'CWS', frames=1),
 'lzma.swf': swf(base+[place2(1,1,matrix(0,0)), show], sig=b'ZWS', frames=1),
 'lines.swf': swf(base+[shape4(), place2(1,8,matrix(0,0,1<<17,1<<15)), show], frames=1),
 'quality.swf': swf(base+[place2(1,1,matrix(0,0)), doaction(push_str(b''), push_int(19), push_str(b'low'), bytes([0x23]), bytes([0x08]), push_str(b'_highquality'), push_int(2), bytes([0x1D])), show, tag(9,bytes([0,0,0])), show], frames=2),
 'place3.swf': swf(base+[place3(1,1,0x10), place3(2,1,0x18,classname=b'Ball'), place3(3,1,0x01|0x02,bytes([1,9,0,0,0])), place3(4,1,0x02|0x04,bytes([3,1])), show], frames=1),
 'filters.swf': swf(base+[place3(1,1,0x01|0x02|0x04,filters()[0]+bytes([3,1])), show] + [place3(2+i,1,0x01,bytes([1])+part) for i,part in enumerate(filters()[1])] + [show], frames=2),
 'blends.swf': swf(base+[place3(1+m,1,0x02,bytes([m])) for m in range(15)] + [blend_sprite(), place3(20,9,0x02|0x04,bytes([2,1])), place3(21,9,0x01,bytes([1])+filters()[1][0]), show], frames=1),
 'edittext.swf': swf(base+[font2(), devicefont(10,b'_sans'),
    edittext(11,(0,4000,0,1200),b'<p align="center"><font color="#0000FF" size="+4">A</font>A <b>A</b></p><u>AA</u>&amp;&#65;',
             font=2,height=480,html=True,outlines=True,multiline=True,wrap=True,layout=(3,40,40,100,20)),
    edittext(12,(0,3000,0,600),b'Hello\rworld <i>wide</i> enough to wrap',font=10,height=300,color=[200,0,0,255],
             border=True,autosize=True,wrap=True,multiline=True,password=False),
    edittext(13,(0,100,0,100),b'x'*200,font=10,height=65535,password=True),
    place2(1,11,matrix(200,200)), place2(2,12,matrix(200,1800)), place2(3,13,matrix(0,0)), show], frames=1),
 'button.swf': swf(base+[button(20,[(0x03,1,2,100,100),(0x08,1,1,0,0)],version=1),
    button(21,[(0x21,1,1,0,0),(0x01,20,2,200,200),(0x04,1,3,0,0)]), button(22,[(0x01,22,1,0,0),(0x01,22,2,20,0)]),
    place2(1,20,matrix(0,0)), place2(2,21,matrix(400,400)), place2(3,22,matrix(0,0)), place2(4,22,matrix(0,0),clip=5), show], frames=1),
 'morph.swf': swf(base+[morphshape(30,1), morphshape(31,2), place2(1,30,matrix(0,0),ratio=0), place2(2,31,matrix(500,0),ratio=65535),
    place2(3,31,matrix(0,500),clip=4,ratio=100), place2(4,1,matrix(0,500)), show,
    place2(1,None,move=True,ratio=32768), place2(2,None,move=True,ratio=1), show], frames=2),
 'video.swf': swf(base+video(40, flv_h263_frames(['red','green','blue'])) + video(41, [bytes([0x00,0x12,0x34,0x56]), bytes([0x80,0x01])], codec=4)
    + video(42, [bytes([0,0,2,0x00,0x12,0x34,0x56])], codec=5) + [place2(1,40,matrix(0,0),ratio=0), place2(2,41,matrix(700,0)), place2(3,42,matrix(0,700)),
    show, place2(1,None,move=True,ratio=2), show, place2(1,None,move=True,ratio=1), show], frames=3),
 'buttonfilters.swf': swf(base+[buttonfilters(), place2(1,23,matrix(0,0)),
    place3(2,1,0x04|0x20|0x40,bytes([1,1,0,0,255,255])), show], frames=1),
 'place1.swf': swf(base+[tag(4, struct.pack('<HH',1,1)+matrix(20,20)+bytes([0x8C,0xA0,0x00])), show, tag(5,struct.pack('<HH',1,1)), show], version=3, frames=2),
}
for name,data in seeds.items():
    open(os.path.join(out,name),'wb').write(data)
print(len(seeds))
