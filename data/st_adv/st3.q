# The Science of Sleep

What is the text mainly about?
- how to fall asleep faster after a stressful day
- why dreams were once thought to foretell the future
- how animals choose safe places to rest at night
+ what happens during sleep and why we cannot do without it

What resets the circadian rhythm each day?
- the release of melatonin in the evening
+ light entering the eyes, above all in the morning
- the first meal eaten after waking up
- the daily rise and fall of body temperature

How does caffeine postpone tiredness, according to the text?
+ it blocks the receptors that detect adenosine
- it speeds up the release of melatonin at night
- it clears adenosine out of the brain by day
- it resets the internal clock to a later hour

How long does one cycle of sleep stages last?
- about forty minutes
+ about ninety minutes
- about two hours
- about three hours

What happens during the deep stages of sleep?
- the eyes dart about beneath the lids
- most of the vivid dreams take place
+ brain waves become slow and large
- a small noise easily wakes the sleeper

What has rapid eye movement sleep been linked to?
- moving facts into long-term memory
- flushing waste out of brain tissue
- releasing hormones for tissue repair
+ emotional processing and creative problem solving

How can dolphins and some seabirds rest?
- they sleep for only a few seconds at a time
- they float while the whole brain shuts down
+ one half of the brain rests while the other stays awake
- they rest only when the sea around them is calm

Why are early mornings genuinely difficult for teenagers?
+ their internal clocks shift later during adolescence
- their bodies make more adenosine during the night
- they spend longer than adults in the lightest stages
- their internal rhythm follows a cycle of twelve hours
