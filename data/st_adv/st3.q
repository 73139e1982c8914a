# The Science of Sleep

According to the text, what does the sleeping brain do with the day's experiences?
- replays them
+ sorts them
- rehearses them
- relives them

Which word does the text use for what a cup of coffee does to tiredness?
+ postpone
- suppress
- disguise
- delay

What does the text say can easily wake a sleeper in the early stages?
+ a noise or a touch
- a touch or a light
- a light or a draft
- a draft or a noise

Which feature of the deeper stages of sleep does the text NOT mention?
- slow, large brain waves
- steadier breathing
+ a slower heartbeat
- hormones for growth and repair

Which point does the text make in the same paragraph as clearing waste from the brain?
- hormones for growth and repair are released
- adenosine levels fall again during sleep
- melatonin signals that night has arrived
+ deep sleep moves facts into long-term memory

Which animals does the text say can rest one half of the brain at a time?
+ dolphins and seabirds
- seabirds and seals
- seals and whales
- whales and dolphins

How many harms of long-term sleep shortage does the text list?
- 2
+ 3
- 4
- 5

Which point does the text make in its final paragraph?
- morning light resets the body clock
- each stage of sleep has its own jobs
+ teenagers' body clocks run later
- sleep has survived despite its risks
