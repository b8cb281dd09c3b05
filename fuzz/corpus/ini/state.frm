[TFormMain]
Flags=0
NormPos=10,20,800,600
NormPos_1280x800=1,2,3,4
lvDraws.Column0=50
