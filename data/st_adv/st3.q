# The Science of Sleep

According to the text, what does the sleeping brain do with the day's experiences?
- replays them
+ sorts them
- rehearses them
- relives them

Which of these does the text NOT say about the body's internal clock?
- it sits in a tiny cluster of nerve cells
- its cycle lasts about twenty-four hours
- morning light resets it each day
+ it also sets the body's temperature

What does the text say can easily wake someone in the early, light stages?
+ a noise or a touch
- a voice or a light
- a draft or a noise
- a touch or a light

Which feature of the deeper stages of sleep does the text NOT mention?
- slow, large brain waves
- steadier breathing
+ a slower heartbeat
- hormones for growth and repair

Of these jobs of sleep, which does the text discuss last?
- fixing facts in long-term memory
- handling emotions
- solving problems creatively
+ clearing waste from brain tissue

Which range does the text use to show how widely animals sleep?
+ from fruit flies to whales
- from worms to elephants
- from bees to whales
- from fruit flies to elephants

How many harms of long-term sleep shortage does the text list?
- two
+ three
- four
- five

Which claim does the text NOT make about sleep?
- it is an active, carefully organized state
- it serves ancient and basic purposes
+ modern life leaves most people short of it
- regular, sufficient sleep is a biological need
